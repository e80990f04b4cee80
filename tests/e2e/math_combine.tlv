# Add and Subtract on a ramp of 40 points (-5 V rising 0.25 V a point); column 1 holds points 31..39.
# Redo forgets the result in Add only.
menu mnuNew
menu mnuRamp
set txtPoint 40
click cmdOK
menu mnuAdd
select 1 1
echo --- Add
menu mnuAdd
show dialog
show picture Picture1
click optWave
show dialog cboWaveForm txtPoint
pick cboWaveForm DC
set txtOffset 1
click cmdOK
show dialog optWave
show picture Picture3
show picture Picture2
render dialog add.png
# Redo forgets the standard wave and the result: OK then writes nothing.
click cmdRedo
show picture Picture3
show picture Picture2
click cmdOk
show points 30 32
echo --- Subtract
menu mnuSubtract
# Cancel in the New Segment dialog clears the option.
click optWave
click cmdCancel
show dialog optWave
click optWave
set txtAmplitude 2
click cmdOK
# Redo keeps the result: OK writes it.
click cmdRedo
click cmdOk
show points 30 40
menu mnuUndo
show points 31 32
