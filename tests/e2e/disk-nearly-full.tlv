# With 4 KiB free, a save that does not fit (2000 points, 8004 bytes) keeps the old file; one
# that fits (100 points) is written whole, and so is com.ini at exit.
menu mnuNew
menu mnuSine
set txtPoint 2000
click cmdOK
choose disk/old.afc
answer yes
menu mnuSaveAs
show windows
menu mnuNew
menu mnuTriangle
set txtPoint 100
click cmdOK
choose disk/old.afc
answer yes
menu mnuSaveAs
show windows
frame close
