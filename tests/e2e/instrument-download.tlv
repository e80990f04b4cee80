# The round trip of docs/instrument.md: COM1 on the virtual instrument, channel 2, a download.
menu mnuNew
menu mnuSine
set txtPoint 1000
click cmdOK
echo --- Setting > Configure Interface
menu mnuConfigure
# RS-232 chosen again gives the serial part back.
click opGPIB
click opRS
show dialog Frame2 Label1 cboSerialPort cboRate Label5 lblDevicePath
pick cboRate 19200 BPS
click cmdOk
echo --- Setting > Channel Mode, CH 2
menu mnuChannel
click OptCh2
click OKButton
echo --- Operate > Send Waveform, from Toolbar1 button 13
button Toolbar1 13
show status
choose doc.csv
menu mnuSaveAs
