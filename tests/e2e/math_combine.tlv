# Add, Subtract and Multiply on a ramp of 40 points (-5 V rising 0.25 V a point); column 1 holds
# points 31..39. Undo brings the ramp back between the dialogs.
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
show picture Picture3
show picture Picture2
# OK before a standard wave writes nothing.
click cmdOk
show points 30 32
menu mnuAdd
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
# A 1 V DC added: the sum clips at 5 V.
menu mnuAdd
click optWave
pick cboWaveForm DC
set txtOffset 1
click cmdOK
click cmdOk
show points 30 40
menu mnuUndo
echo --- Subtract
menu mnuSubtract
# Cancel in the New Segment dialog clears the option.
click optWave
click cmdCancel
show dialog optWave
click optWave
set txtAmplitude 2
click cmdOK
show picture Picture3
show picture Picture2
# Cancel after a preview changes nothing.
click cmdCancel
show points 30 32
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
menu mnuUndo
echo --- Multiply
menu mnuMultiply
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
