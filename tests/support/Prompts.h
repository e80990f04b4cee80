#pragma once

#include <QRegularExpression>
#include <QStringList>
#include <vector>

#include "model/EditTransaction.h"
#include "model/Workspace.h"

namespace tlv::test {

// The prompts without their answers ("message TLV | text | OK | none").
inline QStringList Prompts(const QStringList& shown)
{
    QStringList prompts;
    for (const QString& line : shown)
        prompts << line.left(line.lastIndexOf(" -> ") < 0 ? line.size() : line.lastIndexOf(" -> "));
    return prompts;
}

// The message boxes as "title | text".
inline QStringList Messages(const QStringList& shown)
{
    QStringList messages;
    for (const QString& line : Prompts(shown).filter(QRegularExpression("^message ")))
        messages << line.mid(8).section(" | ", 0, 1);
    return messages;
}

// Puts a waveform into the active window the way an editing command does.
inline void FillWaveform(Workspace& ws, const std::vector<double>& volts)
{
    EditTransaction(ws, EditTransaction::Closing::CommitAndReplot).WritePoints(0, volts);
}

}  // namespace tlv::test
