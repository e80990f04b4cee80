#include "instrument/GpibReport.h"

#include <array>

#include "model/Prompter.h"

namespace tlv {

QString GpibErrorMnemonic(int iberr)
{
    static const std::array<const char*, 21> kNames = {
        "EDVR", "ECIC", "ENOL", "EADR", "EARG", "ESAC", "EABO", "ENEB", "EDMA", "",    "EOIP",
        "ECAP", "EFSO", "",     "EBUS", "ESTB", "ESRQ", "",     "",     "",     "ETAB"};
    if (iberr < 0 || iberr >= static_cast<int>(kNames.size()))
        return {};
    return kNames[static_cast<size_t>(iberr)];
}

QString GpibErrorReport(const QString& lead, const GpibStatus& status)
{
    // ibsta is a 16-bit word; a negative int from the library shows as its 16 bits.
    return lead + "\nibsta = &H" +
           QString::number(status.ibsta & 0xFFFF, 16).toUpper() + "\niberr = " +
           QString::number(status.iberr) + " <" + GpibErrorMnemonic(status.iberr) + ">";
}

void ShowGpibError(Prompter& prompter, const QString& lead, const GpibStatus& status)
{
    prompter.message(GpibErrorReport(lead, status), "TLV", Buttons::Ok, Icon::Critical);
}

}  // namespace tlv
