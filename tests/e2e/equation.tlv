# The Equation dialog from the Waveforms menu: its controls, a refusal that leaves it open, the
# segment OK appends, the clipping message and the boxes kept for the next time.
menu mnuEquation
menu mnuNew
menu mnuEquation
show dialog
set txtExpression 2*sin(2*pi*t
show dialog
click cmdOK
set txtExpression 1/(n-2)
set txtPoint 4
click cmdOK
set txtPoint 0
click cmdOK
show points
set txtExpression square(t*4)*2
set txtPoint 8
click cmdOK
show points
menu mnuEquation
show dialog
set txtExpression n==0 ? 5.01 : n==1 ? -5.01 : 5
set txtPoint 3
click cmdOK
show points 7 11
menu mnuEquation
click cmdCancel
