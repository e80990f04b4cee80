# The New Segment dialog: its controls, the up-downs, Default, and the boxes each shape shows.
# (The boxes' limits are judged in tests/synthesis/synthesis_test.cpp.)
menu mnuNew
menu mnuSine
show dialog
pick cboWaveForm Square
spin udnDuty up
spin udnDuty up
spin udnDuty down
set txtPoint 16
set txtAmplitude 1
set txtOffset 1
set txtCycles 3
set txtPhase 90
pick cboWaveForm Exp Fall
set txtDamp -2
click cmdDefault
show dialog cboWaveForm txtPoint txtAmplitude txtOffset txtCycles txtPhase txtDuty udnDuty txtDamp
pick cboWaveForm DC
show dialog txtAmplitude txtCycles txtPhase txtDamp
click cmdCancel
# DC from the up-downs: 2000 less 1000 points, then the least, 16; 1 V.
menu mnuDc
spin udnPoint down
spin udnPoint down
spin udnOffset up
click cmdOK
show points 0 0 15 16
