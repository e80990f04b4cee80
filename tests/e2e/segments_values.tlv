# Segments typed into the New Segment dialog, and the room check.
menu mnuNew
menu mnuDc
set txtPoint 16
set txtOffset 2.5
click cmdOK
menu mnuDc
set txtPoint 16
set txtOffset -1
click cmdOK
echo DC at 2.5 V, then at -1 V
show points 0 0 15 16 31 32
menu mnuSine
set txtOffset 2
click cmdOK
echo Sine with 2 V offset from 32: its crest is flattened at +5 V
show points 235 238 532 532 1532 1532

menu mnuNew
menu mnuSquare
click cmdOK
menu mnuSquare
set txtPhase 180
click cmdOK
echo Square, 50 %, phase 0, then phase 180 from 2000
show points 0 0 999 1000 1999 2000 2999 3000
menu mnuSquare
set txtDuty 25
click cmdOK
echo Square, 25 % from 4000
show points 4499 4500

menu mnuNew
menu mnuRamp
set txtCycles 2
click cmdOK
echo Ramp, 2 cycles
show points 0 0 1000 1001
menu mnuTriangle
click cmdOK
echo Triangle from 2000
show points 2000 2000 2500 2500 3500 3500
menu mnuExpfall
click cmdOK
echo Exp Fall from 4000, damping -0.1: from A down to about A e^-8
show points 4000 4000 5999 6000
menu mnuExprise
set txtPhase 90
click cmdOK
echo Exp Rise from 6000, phase 90
show points 6000 6000 7499 7500
menu mnuDamped
set txtCycles 5
click cmdOK
echo Damped Sine from 8000, first crest at 8100
show points 8100 8100 9900 9900
menu mnuNoise
set txtPoint 100
set txtAmplitude 0
set txtOffset -2
click cmdOK
echo Noise with no amplitude is its offset
show points 10000 10000 10099 10100

menu mnuNew
menu mnuDc
set txtPoint 14383
set txtOffset 1
click cmdOK
button Toolbar2 6
echo 14383 + 2000 points fill the document to 16383, the marker at 16383
show points 16382 16383
menu mnuDc
set txtPoint 16
click cmdOK
button Toolbar2 6
show points 16382 16383
