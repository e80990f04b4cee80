# Yes to "Save changes to" asks to keep the waveform: when the save does not happen, the window
# stays open with its points, still changed, and an exit stops at it. Cancel does the same.
menu mnuNew
button Toolbar2 14
echo --- Yes, then the Save As dialog cancelled
answer yes
choose cancel
window close
show windows
show points 1998 2000
echo --- Cancel at the exit stops it; the window not yet asked stays too
menu mnuNew
button Toolbar2 6
answer cancel
menu mnuExit
show windows
show points 1999 2000
echo --- unanswered, the question takes No: the window closes and loses the waveform
window close
show windows
echo --- the frame's close box stops at the unsaved window and keeps it
answer yes
choose cancel
frame close
show windows
show points 1999 2000
echo --- Yes and a save that works closes the window, and the exit goes on
answer yes
choose kept.afc
menu mnuExit
echo not run
