# Five document windows, the sixth refused, slot reuse in any order, and exit writing com.ini.
menu mnuNew
menu mnuNew
menu mnuNew
menu mnuNew
button Toolbar1 1
answer ok
menu mnuNew
show windows
show slots
window select Untitled Waveform Data 2
show state ActiveTag UntitledCount
window close
menu mnuNew
show slots
window select Untitled Waveform Data 5
window close
window select Untitled Waveform Data 1
window close
window select Untitled Waveform Data 3
window close
menu mnuNew
menu mnuNew
menu mnuNew
window state minimized
show windows
show slots
menu mnuClose
menu mnuClose
menu mnuClose
menu mnuClose
menu mnuClose
show slots
menu mnuClose
button Toolbar2 6
menu mnuExit
echo not reached
