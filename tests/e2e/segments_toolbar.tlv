# The shape buttons of Toolbar2 append 2000 points each with their defaults and no dialog: Sine,
# Triangle, Square, Ramp, Damped Sine (five cycles), Exp Rise, Exp Fall and DC; then Noise finds
# no room.
menu mnuNew
button Toolbar2 6
button Toolbar2 7
button Toolbar2 8
button Toolbar2 9
button Toolbar2 10
button Toolbar2 11
button Toolbar2 12
button Toolbar2 14
button Toolbar2 13
show points 1999 2001 4999 5000 6000 6000 7999 8000 8100 8100 11999 11999 13999 14000 15999 16000
