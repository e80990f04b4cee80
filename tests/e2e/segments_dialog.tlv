# The New Segment dialog from each Waveforms item: fields, checks, messages, Default, Cancel.
menu mnuNew
menu mnuSine
show dialog
set txtPoint 16.0
leave txtPoint
set txtPoint 15
leave txtPoint
set txtPoint 16
leave txtPoint
set txtCycles abc
leave txtCycles
set txtCycles 2049
leave txtCycles
set txtPhase 360
leave txtPhase
set txtAmplitude 5.001
leave txtAmplitude
set txtAmplitude -0.5
leave txtAmplitude
set txtAmplitude 5.0004
leave txtAmplitude
set txtOffset 5.5
leave txtOffset
set txtOffset 5.4
leave txtOffset
set txtOffset 99999
leave txtOffset
set cboWaveForm Sawtooth
leave cboWaveForm
show dialog cboWaveForm txtPoint txtAmplitude txtOffset txtCycles txtPhase txtDuty udnDuty txtDamp
pick cboWaveForm Triangle
set txtPhase 90
click cmdDefault
show dialog cboWaveForm txtPoint txtAmplitude txtOffset txtCycles txtPhase txtDuty udnDuty txtDamp
click cmdCancel

menu mnuSquare
set txtDuty 100.5
leave txtDuty
set txtDuty 101
leave txtDuty
spin udnDuty up
spin udnDuty up
spin udnDuty down
pick cboWaveForm Exp Fall
set txtDamp -5.5
leave txtDamp
spin udnDuty up
pick cboWaveForm DC
set txtAmplitude 9
show dialog cboWaveForm txtPoint txtAmplitude txtOffset txtCycles txtPhase txtDuty udnDuty txtDamp
click cmdCancel

menu mnuTriangle
set txtPoint 100
click cmdOK
menu mnuRamp
set txtPoint 100
click cmdOK
menu mnuDamped
set txtPoint 100
click cmdOK
menu mnuExprise
set txtPoint 100
click cmdOK
menu mnuExpfall
set txtPoint 100
click cmdOK
menu mnuNoise
set txtPoint 100
set txtAmplitude 0
click cmdOK
menu mnuDc
spin udnPoint down
spin udnPoint down
spin udnOffset up
click cmdOK
echo a segment of each: Triangle, Ramp, Damped Sine, Exp Rise, Exp Fall, Noise, DC
show points 0 0 100 100 200 200 300 300 400 400 500 500 600 600 615 616
show windows
