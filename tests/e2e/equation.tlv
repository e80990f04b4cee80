# The Equation dialog from the Waveforms menu: its controls, a refusal that leaves it open and
# the document untouched, and the segment OK appends. (Clipping, the room check and the boxes
# kept for the run are in tests/synthesis/Equation_test.cpp.)
menu mnuEquation
menu mnuNew
menu mnuEquation
show dialog
set txtExpression 1/(n-2)
set txtPoint 4
show dialog
click cmdOK
show points
set txtExpression square(t*4)*2
set txtPoint 8
click cmdOK
show points
