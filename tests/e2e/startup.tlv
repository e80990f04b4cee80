# The command table right after start-up, before any document exists.
show commands
button Toolbar1 3
button Toolbar1 7
button Toolbar2 1
menu mnuSave
key Ctrl+A
key Del
key F1
menu mnuAbout
