# The Add dialog on a ramp of 40 points (-5 V rising 0.25 V a point); column 1 holds points 31..39.
menu mnuNew
menu mnuRamp
set txtPoint 40
click cmdOK
menu mnuAdd
select 1 1
menu mnuAdd
show dialog
show picture Picture1
show picture Picture3
show picture Picture2
# OK before a standard wave writes nothing.
click cmdOk
show points 30 40
menu mnuAdd
click optWave
show dialog cboWaveForm txtPoint
pick cboWaveForm DC
set txtOffset 1
click cmdOK
show dialog optWave
show picture Picture1
show picture Picture3
show picture Picture2
# Redo forgets the standard wave and the result: OK then writes nothing.
click cmdRedo
show picture Picture3
show picture Picture2
click cmdOk
show points 30 40
# A 1 V DC added: the sum clips at 5 V.
menu mnuAdd
click optWave
pick cboWaveForm DC
set txtOffset 1
click cmdOK
click cmdOk
show points 30 40
