# The recent files: the last four opened or saved, newest first, kept in the configuration folder.
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
