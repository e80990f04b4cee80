# Device nodes are neither read nor replaced, directly or through links.
menu mnuNew
button Toolbar2 14
choose node.afc
menu mnuSaveAs
choose link.csv
menu mnuSaveAs
choose node.afc
menu mnuOpen
show windows
answer no
frame close
