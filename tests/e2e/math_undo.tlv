# Undo after each transform and after each combine dialog's OK brings the ramp back.
menu mnuNew
menu mnuRamp
set txtPoint 40
click cmdOK
select 0 0
menu mnuInvert
menu mnuUndo
show points 0 0 30 31 39 40
menu mnuMirror
menu mnuUndo
show points 0 0 30 31 39 40
menu mnuAbsolute
menu mnuUndo
show points 0 0 30 31 39 40
menu mnuExpand
menu mnuUndo
show points 0 0 30 31 39 40
menu mnuAdd
click optWave
pick cboWaveForm DC
set txtOffset 1
click cmdOK
click cmdOk
menu mnuUndo
show points 0 0 30 31 39 40
menu mnuSubtract
click optWave
pick cboWaveForm DC
set txtOffset 1
click cmdOK
click cmdOk
menu mnuUndo
show points 0 0 30 31 39 40
menu mnuMultiply
click optWave
pick cboWaveForm DC
set txtOffset 1.5
click cmdOK
click cmdOk
menu mnuUndo
show points 0 0 30 31 39 40
