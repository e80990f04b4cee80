# With 8 KiB free a save that fits (100 points) is written whole, and so are the recent-files list
# and com.ini at exit (a save that does not fit is disk-full's).
menu mnuNew
menu mnuTriangle
set txtPoint 100
click cmdOK
choose disk/old.afc
answer yes
menu mnuSaveAs
show windows
frame close
