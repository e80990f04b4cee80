# With 8 KiB free, a save that does not fit (3000 points, 12004 bytes) keeps the old file; one
# that fits (100 points) is written whole, and so are the recent-files list and com.ini at exit.
menu mnuNew
menu mnuSine
set txtPoint 3000
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
