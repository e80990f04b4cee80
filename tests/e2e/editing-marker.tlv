# Marker: a press sets the marker, a drag widens the band, the release captures the selection and
# offers Cut and Copy. A press right of the curve makes an insertion point at the end, which
# offers only Paste, and only while the clipboard holds points. A double click and Edit Select
# return to the Marker; Edit Select checked releases the tool buttons. A captured range offers
# the Math commands, as Select All does.
menu mnuNew
menu mnuRamp
set txtPoint 100
click cmdOK
plot press 1 100
show editing
plot move 3 100 1
plot release 3 100
plot click 3 100
show editing
show state
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
plot press 200 100
plot release 200 100
plot click 200 100
show editing
show state
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
plot press 1 100
plot release 1 100
plot click 1 100
show state
menu mnuCopy
plot press 200 100
plot release 200 100
plot click 200 100
show state
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
menu mnuPaste
show points 97 102
show points 130 133
button Toolbar2 3
plot dblclick 20 20
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
menu mnuEditselect
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
menu mnuEditselect
show state
show status
echo --- a Marker range offers the Math commands
plot press 0 100
plot move 2 100 1
plot release 2 100
plot click 2 100
show commands mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply
