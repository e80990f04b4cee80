# The Equation dialog from the Waveforms menu: its controls, a refusal that leaves it open, and
# the segment OK appends. (The boxes' rules are in tests/synthesis/synthesis_test.cpp.)
menu mnuNew
menu mnuEquation
show dialog
set txtExpression 1/(n-2)
show dialog lblReading
click cmdOK
set txtExpression square(t*4)*2
set txtPoint 8
click cmdOK
show points 0 1 7 8
