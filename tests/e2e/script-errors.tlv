# A script error names its line and ends the run with status 2.
menu mnuNew
show windows
menu mnuNoSuchThing
echo not reached
