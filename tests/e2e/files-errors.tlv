# What the file commands say when a file cannot be read or written, and what they keep silent.
choose nan.afc
menu mnuOpen
echo --- a long table shows the wait window
choose long.csv
menu mnuOpen
show points 11999 12000
choose notes.txt
menu mnuSaveAs
echo --- a table that yields no value says so
choose ends-in-comma.csv
menu mnuOpen
