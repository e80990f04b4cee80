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
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
key Del
show points 0 1
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
key Ctrl+Z
show points 0 1
show points 98 100
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
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
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
button Toolbar1 7
show points 34 36
menu mnuUndo
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
show status
