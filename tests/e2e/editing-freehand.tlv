# Free hand: a press beyond the end extends the waveform by a straight line, the release writes
# the new points (70 points become 224) and keeps the texts of the points it held, a fast drag
# fills every column it passes, and Undo brings the waveform back.
menu mnuNew
menu mnuDc
set txtPoint 70
set txtOffset 1
click cmdOK
button Toolbar2 3
show editing
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
# Columns 0..2 hold the 70 points; the press at column 6 draws columns 3..6 from the end's row
# to row 152 (0 V).
plot press 6 152
show plot
plot move 6 152 1
show status
plot release 6 152
plot click 6 152
show points 62 66
show points 94 98
show points 190 194
show points 222 224
show state
# A drag from column 100 to column 40 between two moves: every column between takes the line.
plot press 101 0
plot release 101 0
plot click 101 0
plot press 100 0
plot move 40 304 1
show plot
plot release 40 304
plot click 40 304
show editing
show points 1278 1282
show points 3262 3264
show status
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
menu mnuUndo
show points 68 70
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
