# The shape buttons of Toolbar2 append segments with their defaults and no dialog.
menu mnuNew
button Toolbar2 6
echo Sine: 2000 points, crest at 500, end marker at 2000
show points 0 0 500 500 1500 1500 1999 2000
button Toolbar2 7
echo Triangle from 2000: 0 V, +5 V at a quarter, -5 V at three quarters
show points 2000 2000 2500 2500 3500 3500
button Toolbar2 8
echo Square from 4000: high half, low half
show points 4000 4000 4999 5000
button Toolbar2 9
echo Ramp from 6000: from -5 V up by 5 mV a point
show points 6000 6000 7999 8000
button Toolbar2 10
echo Damped Sine from 8000: five cycles, first crest at 8100
show points 8100 8100
button Toolbar2 11
echo Exp Rise from 10000
show points 10000 10000 11999 11999
button Toolbar2 12
echo Exp Fall from 12000
show points 12000 12000 13999 13999
button Toolbar2 14
echo DC from 14000
show points 14000 14000 15999 16000
echo Noise does not fit any more
button Toolbar2 13
show points 16000 16000
