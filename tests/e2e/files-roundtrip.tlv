# A waveform saved as AFC, CSV and PRN comes back with the same points from each file.
menu mnuNew
button Toolbar2 6
button Toolbar2 9
button Toolbar2 12
choose wave.afc
menu mnuSaveAs
choose wave.csv
menu mnuSaveAs
choose wave.prn
menu mnuSaveAs
echo --- each file opened back
choose wave.afc
menu mnuOpen
show points 5998 6000
choose wave.csv
menu mnuOpen
show points 5998 6000
choose wave.prn
menu mnuOpen
show points 5998 6000
echo --- the sixth window is refused before anything is read (a table read would show the wait)
menu mnuNew
choose wave.csv
menu mnuOpen
