# The Multiply dialog on a ramp of 40 points (-5 V rising 0.25 V a point); column 1 holds points 31..39.
menu mnuNew
menu mnuRamp
set txtPoint 40
click cmdOK
select 1 1
menu mnuMultiply
show picture Picture1
click optWave
pick cboWaveForm Triangle
set txtAmplitude 2
click cmdOK
show picture Picture3
show picture Picture2
# Redo keeps the result; a new standard wave replaces it.
click cmdRedo
click optWave
pick cboWaveForm DC
set txtOffset 1.5
click cmdOK
show picture Picture3
show picture Picture2
click cmdOk
show points 30 40
