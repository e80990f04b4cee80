# The round trip of docs/instrument.md: COM1 on the virtual instrument, channel 2, a download.
show link
menu mnuNew
menu mnuSine
set txtPoint 1000
click cmdOK
echo --- not configured yet: only the message, nothing sent
menu mnuSend
echo --- Setting > Configure Interface
menu mnuConfigure
show dialog
click opGPIB
show dialog Frame2 Label1 cboSerialPort cboRate Label5 lblDevicePath
click opRS
show dialog Frame2 Label1 cboSerialPort cboRate Label5 lblDevicePath
pick cboRate 19200 BPS
click cmdOk
echo --- Setting > Channel Mode, CH 2
menu mnuChannel
show dialog
click OptCh2
click OKButton
show link
echo --- Operate > Send Waveform, from Toolbar1 button 13
button Toolbar1 13
show status
choose doc.csv
menu mnuSaveAs
