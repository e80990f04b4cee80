# Every menu item's caption and shortcut as the frame shows them: New, Open, Save and Print gain
# Ctrl+N, Ctrl+O, Ctrl+S and Ctrl+P; the others keep theirs. The frame's title names the active
# document and the window list marks a changed one.
show menus
show frame
key Ctrl+N
show frame
button Toolbar2 14
show frame
key Ctrl+N
show frame
window state maximized
show frame
window select Untitled Waveform Data 1
show frame
