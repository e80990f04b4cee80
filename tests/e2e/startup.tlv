# The command table right after start-up, before any document exists: one member of each set of
# items disabled together, every other item; Toolbar2 is the frame test's.
show commands mnuNew mnuOpen mnuSave mnuSaveAs mnuClose mnuImport mnuImportWaveform mnuPrint mnuExportImage
show commands mnuExit mnuUndo mnuCut mnuCopy mnuPaste mnuClear mnuClearall mnuEditselect mnuSelectall
show commands mnuFreehand mnuInvert mnuExpand mnuSend mnuConfigure mnuChannel mnuCascade mnuTile
show commands mnuAbout mnuIndex Toolbar1 1 2 3 5 7 9 10 11 13 15 17
button Toolbar1 3
button Toolbar2 1
key Ctrl+A
key F1
menu mnuAbout
