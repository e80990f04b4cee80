# Switching windows keeps each waveform; only a changed document asks to be saved.
menu mnuNew
button Toolbar2 6
menu mnuNew
button Toolbar2 14
show points 0 1
window select Untitled Waveform Data 1
show points 499 501 1999 2000
show commands mnuSave mnuSaveAs mnuSend mnuPrint mnuUndo mnuCut mnuCopy mnuPaste mnuClearall mnuEditselect mnuSelectall mnuExpand Toolbar1 3 7 9 10 11 13 15 Toolbar2 1
window select Untitled Waveform Data 2
show points 1999 2000
menu mnuNew
window close
answer no
window close
show windows
answer yes
frame close
