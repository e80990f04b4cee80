# Five document windows, the sixth refused, slot reuse in any order, and exit writing com.ini.
show status
menu mnuNew
menu mnuNew
menu mnuNew
menu mnuNew
button Toolbar1 1
show windows
show slots
answer ok
menu mnuNew
show windows
show slots
window select Untitled Waveform Data 2
show state
window close
menu mnuNew
show windows
show slots
echo --- slots freed in any order are taken again, the fifth among them
window select Untitled Waveform Data 5
window close
window select Untitled Waveform Data 1
window close
window select Untitled Waveform Data 3
window close
menu mnuNew
menu mnuNew
menu mnuNew
show windows
show slots
window state maximized
render max.png
render plot max-plot.png
window state normal
render plot normal-plot.png
window state minimized
show windows
menu mnuCascade
menu mnuTile
menu mnuClose
menu mnuClose
menu mnuClose
menu mnuClose
menu mnuClose
show windows
show slots
menu mnuClose
button Toolbar2 6
menu mnuExit
echo not reached
