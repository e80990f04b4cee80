# On a full disk a save keeps the old file, says why, and leaves the document changed (its
# window still asks to be saved); com.ini written at exit keeps its old content too.
choose disk/old.afc
menu mnuOpen
button Toolbar2 14
answer yes
menu mnuSave
show windows
window close
frame close
