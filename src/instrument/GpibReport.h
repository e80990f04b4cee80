#pragma once

#include <QString>

#include "instrument/GpibDriver.h"

// The IEEE-488 error report: what failed, the status word and the error code with its name.
namespace tlv {

class Prompter;

// The name of an iberr value ("ENOL" for 2); empty for the codes that have none.
QString GpibErrorMnemonic(int iberr);

// "Error Send Command ", then on lines of their own "ibsta = &H8000" and "iberr = 2 <ENOL>".
QString GpibErrorReport(const QString& lead, const GpibStatus& status);

// Shows the report with the OK button, the critical icon and the title "TLV".
void ShowGpibError(Prompter& prompter, const QString& lead, const GpibStatus& status);

}  // namespace tlv
