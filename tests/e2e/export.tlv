# Export Image: offered with Print, it writes the printed page as a PNG picture or an SVG drawing,
# asks before it replaces a file, and names the file and the reason when it cannot write.
menu mnuExportImage
menu mnuNew
menu mnuExportImage
button Toolbar2 8
choose wave.png
menu mnuExportImage
choose wave.svg
menu mnuExportImage
choose wave.png
answer no
menu mnuExportImage
choose wave.gif
menu mnuExportImage
choose folder.svg
menu mnuExportImage
