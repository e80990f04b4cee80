#pragma once

#include <QRegularExpression>
#include <QStringList>
#include <vector>

#include "model/EditPath.h"
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
    WritePoints(ws.edit, 0, volts);
    ws.CommitEditBuffer();
    ws.RebuildPlotCache();
}

}  // namespace tlv::test
