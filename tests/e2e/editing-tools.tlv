# The mouse tools, each in a window of its own.
echo --- Free hand: a press beyond the end extends the waveform by a straight line; the release
echo --- writes the new points (70 become 224) and keeps the texts of the points it held
menu mnuNew
menu mnuDc
set txtPoint 70
set txtOffset 1
click cmdOK
button Toolbar2 3
show editing EditFromColumn UndoReady
show commands mnuUndo mnuCut mnuCopy mnuPaste mnuExpand mnuEditselect Toolbar1 7 9 10 11 Toolbar2 1 3 4
plot press 6 152
show plot
plot release 6 152
plot click 6 152
show points 62 66 94 98 222 224
echo --- a drag from column 100 to column 40 between two moves fills every column between
plot press 101 0
plot release 101 0
plot click 101 0
plot press 100 0
plot move 40 304 1
plot release 40 304
plot click 40 304
show points 1278 1282 2240 2240 3168 3168 3262 3264
echo --- Undo brings the waveform back
menu mnuUndo
show points 68 70
show commands mnuUndo Toolbar1 7
echo --- Line: a click beyond the end draws from the end of the waveform, the first click inside
echo --- it from the end back to the click, the next click beyond the end from that click; a move
echo --- without a button shows the rubber band; Escape ends the tool
menu mnuNew
menu mnuDc
set txtPoint 64
click cmdOK
menu mnuLine
show editing EditFromColumn LineAnchorColumn
plot move 10 100
show editing RubberBand
plot press 10 100
plot release 10 100
plot click 10 100
show points 30 33 350 352
plot press 5 304
plot release 5 304
plot click 5 304
show editing LineClickCount LineAnchorColumn LineChained
show plot
plot press 20 0
plot release 20 0
plot click 20 0
show points 670 672
plot key 27
show editing LineAnchorColumn LineChained
show state ToolMode
show commands mnuEditselect mnuCut mnuCopy mnuPaste Toolbar1 9 10 11 Toolbar2 1 3 4
echo --- Marker: a press sets the marker, a drag widens the band, the release captures the
echo --- selection and offers Cut, Copy and the Math commands
menu mnuNew
menu mnuRamp
set txtPoint 100
click cmdOK
plot press 1 100
show editing SelectionShown
plot move 3 100 1
plot release 3 100
plot click 3 100
show state SelStartX SelEndX SelStartPoint SelEndPoint SelLast
show commands mnuCut mnuCopy mnuPaste mnuInvert mnuMirror mnuAbsolute mnuAdd mnuSubtract mnuMultiply Toolbar1 9 10 11
echo --- a press right of the curve is an insertion point at the end: only Paste, and only while
echo --- the clipboard holds points
plot press 200 100
plot release 200 100
plot click 200 100
show state SelStartX SelEndX SelLast
show commands mnuCut mnuCopy mnuPaste mnuClear mnuInvert Toolbar1 9 10 11
plot press 1 100
plot release 1 100
plot click 1 100
menu mnuCopy
plot press 200 100
plot release 200 100
plot click 200 100
show state PasteColumn ClipboardFull
show commands mnuCut mnuCopy mnuPaste Toolbar1 9 10 11
menu mnuPaste
show points 97 102 130 133
echo --- a double click and Edit Select return to the Marker; Edit Select checked releases the tool buttons
button Toolbar2 3
plot dblclick 20 20
show commands mnuEditselect Toolbar2 1 3 4
menu mnuEditselect
show commands mnuEditselect Toolbar2 1 3 4
menu mnuEditselect
show state ToolMode
