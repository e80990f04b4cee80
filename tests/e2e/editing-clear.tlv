# Clear after Select All empties the document and Undo brings every point back. Clear of a
# Marker selection removes the columns between its edge columns (from column 0 when it starts
# there). Clear All empties the document; Undo brings it back once, and only once.
menu mnuNew
menu mnuRamp
set txtPoint 100
click cmdOK
menu mnuSelectall
show editing
show state
show commands
key Del
show points 0 1
show commands
key Ctrl+Z
show points 0 1
show points 98 100
show commands
menu mnuSelectall
plot press 1 100
plot move 3 100 1
plot release 3 100
plot click 3 100
key Del
show points 62 68
show state
menu mnuSelectall
plot press 0 100
plot move 1 100 1
plot release 1 100
plot click 1 100
key Del
show points 0 1
show points 34 36
key Ctrl+A
show points
show commands
button Toolbar1 7
show points 34 36
menu mnuUndo
show commands
show status
