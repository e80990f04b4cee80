# All nine shapes in a row, 1800 points each, rendered from the plot.
menu mnuNew
menu mnuSine
set txtPoint 1800
click cmdOK
menu mnuTriangle
set txtPoint 1800
click cmdOK
menu mnuSquare
set txtPoint 1800
click cmdOK
menu mnuRamp
set txtPoint 1800
click cmdOK
menu mnuDamped
set txtPoint 1800
set txtCycles 4
click cmdOK
menu mnuExprise
set txtPoint 1800
click cmdOK
menu mnuExpfall
set txtPoint 1800
click cmdOK
menu mnuNoise
set txtPoint 1800
set txtAmplitude 2
click cmdOK
menu mnuDc
set txtPoint 1800
set txtOffset -2.5
click cmdOK
show points 16200 16200
render plot nine-shapes.png
