# A paste that does not fit shows its path's message and changes nothing, not even the undo
# snapshot: Undo afterwards still gives back the waveform before the last segment.
menu mnuNew
menu mnuSine
set txtPoint 16383
set txtCycles 4
click cmdOK
plot press 0 100
plot move 300 100 1
plot release 300 100
plot click 300 100
menu mnuCut
show editing
show points 6749 6751
menu mnuSine
set txtPoint 9000
click cmdOK
show points 15749 15751
menu mnuPaste
plot press 100 100
plot release 100 100
plot click 100 100
show state
menu mnuPaste
show points 15749 15751
show editing
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
menu mnuUndo
show points 6749 6751
show status
