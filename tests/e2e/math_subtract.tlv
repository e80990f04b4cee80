# The Subtract dialog on a ramp of 40 points (-5 V rising 0.25 V a point); column 1 holds points 31..39.
menu mnuNew
menu mnuRamp
set txtPoint 40
click cmdOK
select 1 1
menu mnuSubtract
show picture Picture1
# Cancel in the New Segment dialog clears the option.
click optWave
show dialog cboWaveForm txtPoint
click cmdCancel
show dialog optWave
click optWave
set txtAmplitude 2
click cmdOK
show picture Picture3
show picture Picture2
# Cancel after a preview changes nothing.
click cmdCancel
show points 30 40
menu mnuSubtract
click optWave
set txtAmplitude 2
click cmdOK
# Redo keeps the result: OK writes it.
click cmdRedo
show dialog optWave
show picture Picture3
show picture Picture2
click cmdOk
show points 30 40
