# Invert, Mirror, Absolute and Expand to Fit on a ramp of 100 points: -5 V rising 0.1 V a point.
menu mnuNew
menu mnuRamp
set txtPoint 100
click cmdOK
menu mnuInvert
# Columns 1..1 are points 31..63.
select 1 1
menu mnuInvert
show points 30 32 62 64
menu mnuInvert
show points 30 32 62 64
menu mnuMirror
show points 30 32 62 64
menu mnuMirror
# Columns 2..5 run past the end: points 63..99.
select 2 5
menu mnuMirror
show points 62 64 98 100
menu mnuMirror
select 0 5
menu mnuAbsolute
show points 0 1 49 51 98 100
menu mnuExpand
show points 0 1 161 163 16036 16038
# 9000 points are too many to double.
menu mnuNew
menu mnuDc
set txtPoint 9000
set txtOffset 1
click cmdOK
menu mnuExpand
show points 8999 9000
