# The recent files: the last four files opened or saved, newest first, kept in the user's
# configuration folder; the File menu opens them again.
menu mnuNew
button Toolbar2 14
choose one.afc
menu mnuSaveAs
choose two.csv
menu mnuSaveAs
choose three.prn
menu mnuSaveAs
choose two.csv
menu mnuOpen
show recent
choose four.afc
menu mnuSaveAs
choose five.afc
menu mnuSaveAs
show recent
recent 4
show windows
