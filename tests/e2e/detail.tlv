# The detail view from a script: hidden until asked, the dot of point 92 dragged from +4.2 V to
# about 0 V and a stroke over points 94..96, each one edit, and the table following the waveform.
menu mnuNew
menu mnuRamp
set txtPoint 100
click cmdOK
show detail
detail zoom 90 97
detail press 271 36
detail move 271 110
detail release 271 110
show points 91 93
detail press 478 72 shift
detail move 687 72 shift
detail release 687 72 shift
show points 93 97
menu mnuUndo
show points 94 96
detail goto 150
show detail
menu mnuNew
show detail
