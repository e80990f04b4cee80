# A waveform saved as AFC, CSV and PRN comes back with the same points from each file.
menu mnuNew
button Toolbar2 6
button Toolbar2 9
button Toolbar2 12
show points 0 2 1999 2001 3999 4001 5998 6000
choose wave.afc
menu mnuSaveAs
choose wave.csv
menu mnuSaveAs
choose wave.prn
menu mnuSaveAs
show windows
echo --- each file opened back in a window of its own
choose wave.afc
menu mnuOpen
show points 1999 2001 5998 6000
choose wave.csv
menu mnuOpen
show points 1999 2001 5998 6000
choose wave.prn
menu mnuOpen
show points 1999 2001 5998 6000
show windows
echo --- Save writes back to the window's own file
window select wave.csv
answer yes
menu mnuSave
echo --- the sixth form is refused before anything is read
menu mnuNew
choose wave.afc
menu mnuOpen
choose wave.csv
menu mnuImport
show windows
