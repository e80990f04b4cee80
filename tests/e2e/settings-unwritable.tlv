# A settings folder that cannot be written: defaults at start-up, and the exit still ends.
menu mnuNew
menu mnuExit
