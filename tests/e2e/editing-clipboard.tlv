# Copy, Cut and Paste: Cut takes exactly the points it puts on the clipboard, Paste at another
# column inserts them into one gap, and a clipboard that ends in 0 V keeps its length.
menu mnuNew
menu mnuRamp
set txtPoint 100
click cmdOK
# Column 1 (points 31..63) cut, then pasted at column 2 (point 64 of the shorter waveform).
plot press 1 100
plot release 1 100
plot click 1 100
menu mnuCut
show editing
show points 29 33
show points 65 67
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
plot press 2 100
plot release 2 100
plot click 2 100
show state
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
menu mnuPaste
show points 62 66
show points 95 99
show state
menu mnuUndo
show points 29 33
# A pulse that returns to 0 V: the zeros go with it, whichever way it is pasted.
menu mnuNew
menu mnuDc
set txtPoint 32
set txtOffset 2.5
click cmdOK
menu mnuDc
set txtPoint 32
click cmdOK
plot press 0 100
plot move 1 100 1
plot release 1 100
plot click 1 100
button Toolbar1 10
show editing
show points 62 64
menu mnuPaste
show points 126 128
plot press 3 100
plot release 3 100
plot click 3 100
button Toolbar1 11
show points 94 97
show points 126 128
show points 190 192
show status
show commands mnuSave mnuSaveAs mnuPrint mnuSend mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall mnuExpand mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 3 7 9 10 11 13 15 Toolbar2 1 3 4
