# With --keep-going a line that does not fit is reported and skipped, and the script goes on.
plot press 10 10
menu mnuNew
button Toolbar2 14
answer ok
window close
menu mnuSine
menu mnuNew
menu mnuSine
menu mnuNew
click cmdCancel
show windows
