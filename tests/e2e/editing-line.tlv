# Line: a click beyond the end draws from the end of the waveform, the first click inside it
# draws from the end back to the click, and the next click beyond the end continues from that
# click; a move without a button shows the rubber band to the mouse; a drag writes the points
# but stores nothing until Escape, which returns to the Marker and stores the buffer.
menu mnuNew
menu mnuDc
set txtPoint 64
click cmdOK
menu mnuLine
show editing
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
plot move 10 100
show editing
show status
plot press 10 100
plot release 10 100
plot click 10 100
show points 30 33
show points 350 352
show plot
plot press 5 304
plot release 5 304
plot click 5 304
show editing
show plot
plot press 20 0
plot release 20 0
plot click 20 0
show plot
show points 670 672
plot move 30 152
show editing
plot press 25 152
plot move 26 152 1
plot release 26 152
plot click 26 152
show editing
show plot
show points 830 832
plot key 27
show editing
show plot
show state
show status
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
