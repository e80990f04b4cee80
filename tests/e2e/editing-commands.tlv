# The Edit menu's commands on the points, each part in a window of its own.
echo --- Clear after Select All empties the document and Undo brings every point back
menu mnuNew
menu mnuRamp
set txtPoint 100
click cmdOK
menu mnuSelectall
show editing SelectionShown SelectAllActive
show state SelStartX SelEndX SelLast
show commands mnuCut mnuCopy mnuClear mnuInvert Toolbar1 9 10
key Del
show points 0 1
show commands mnuUndo mnuClear mnuClearall mnuSelectall mnuSave mnuSend Toolbar1 3 7 13 15
key Ctrl+Z
show points 0 1 98 100
show commands mnuUndo Toolbar1 7
echo --- Clear of a Marker selection removes the columns between its edge columns, from column 0
echo --- when it starts there
menu mnuSelectall
plot press 1 100
plot move 3 100 1
plot release 3 100
plot click 3 100
key Del
show points 62 68
show state PointCount PlotColumn
menu mnuSelectall
plot press 0 100
plot move 1 100 1
plot release 1 100
plot click 1 100
key Del
show points 0 1 34 36
echo --- Clear All empties the document; Undo brings it back once, and only once
key Ctrl+A
show points
show commands mnuClearall mnuUndo Toolbar1 7
button Toolbar1 7
show points 34 36
menu mnuUndo
show commands mnuUndo Toolbar1 7
echo --- Cut takes exactly the points it puts on the clipboard, Paste at another column inserts
echo --- them into one gap
menu mnuNew
menu mnuRamp
set txtPoint 100
click cmdOK
plot press 1 100
plot release 1 100
plot click 1 100
menu mnuCut
show points 29 33
show commands mnuCut mnuCopy mnuPaste Toolbar1 9 10 11
plot press 2 100
plot release 2 100
plot click 2 100
show state PasteColumn
menu mnuPaste
show points 62 66 95 99
menu mnuUndo
show points 29 33
