# What the file commands say when a file cannot be read or written, and what they keep silent.
choose cancel
menu mnuOpen
choose missing.afc
menu mnuOpen
choose nan.afc
menu mnuOpen
choose folder.csv
menu mnuOpen
choose notes.txt
menu mnuOpen
show windows
echo --- a truncated AFC file keeps its whole records
choose cut.afc
menu mnuOpen
show points
show points 5
show points 3
echo --- a long table shows the wait window
choose long.csv
menu mnuOpen
show points 11998 12000
echo --- saving
choose gone/wave.afc
menu mnuSaveAs
choose notes.txt
menu mnuSaveAs
answer no
choose cut.afc
menu mnuSaveAs
show windows
choose cancel
menu mnuSaveAs
choose cancel
menu mnuPrint
echo --- a table that yields no value says so and is not remembered
choose ends-in-comma.csv
menu mnuOpen
choose words.csv
menu mnuOpen
show windows
show recent
echo --- a named file is saved in place, whatever the length of its name
choose after-fh.csv
menu mnuOpen
answer yes
menu mnuSave
