# Segments typed into the New Segment dialog, one after another: each box reaches its shape. DC,
# 16 points at 2.5 V; Square at 25 % from 16 (high up to 515); Triangle from 2016 (+5 V at 2516);
# Exp Fall from 4016 (A e^-8 at 6015); Exp Rise at phase 90 from 6016 (a new cycle at 7516); Damped
# Sine of 5 cycles from 8016 (first crest at 8116); Noise of no amplitude, 100 points at its offset.
menu mnuNew
menu mnuDc
set txtPoint 16
set txtOffset 2.5
click cmdOK
menu mnuSquare
set txtDuty 25
click cmdOK
menu mnuTriangle
click cmdOK
menu mnuExpfall
click cmdOK
menu mnuExprise
set txtPhase 90
click cmdOK
menu mnuDamped
set txtCycles 5
click cmdOK
menu mnuNoise
set txtPoint 100
set txtAmplitude 0
set txtOffset -2
click cmdOK
show points 0 0 15 16 515 516 2516 2516 6015 6016 7516 7516 8116 8116 10115 10116
