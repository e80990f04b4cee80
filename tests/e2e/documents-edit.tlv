# Switching windows keeps each waveform; only a changed document asks to be saved.
menu mnuNew
button Toolbar2 6
menu mnuNew
button Toolbar2 14
window select Untitled Waveform Data 1
show points 500 500 2000 2000
show commands mnuSave mnuUndo mnuCut mnuClearall mnuEditselect Toolbar1 3 7 9 10 11 13 15 Toolbar2 1
window select Untitled Waveform Data 2
show points 1999 2000
menu mnuNew
window close
answer no
window close
show windows
answer yes
frame close
