# Each combine dialog with its three pictures, rendered; a ramp of 100 points, points 31..63 selected.
menu mnuNew
menu mnuRamp
set txtPoint 100
click cmdOK
select 1 1
menu mnuAdd
click optWave
set txtAmplitude 2
click cmdOK
render dialog add.png
click cmdCancel
menu mnuSubtract
click optWave
pick cboWaveForm Triangle
set txtAmplitude 3
click cmdOK
render dialog subtract.png
click cmdCancel
menu mnuMultiply
click optWave
render dialog new-segment.png
pick cboWaveForm Square
set txtAmplitude 1
click cmdOK
render dialog multiply.png
click cmdCancel
