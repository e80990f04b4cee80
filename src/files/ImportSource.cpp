#include "files/ImportSource.h"

#include <QFile>
#include <QFileInfo>

#include "files/ImportReaders.h"
#include "platform/PlainFile.h"

namespace tlv {

std::optional<SourceInfo> InspectSource(const QString& path, QString& error)
{
    QFile file(path);
    if (QString reason = OpenPlainFile(file); !reason.isEmpty()) {
        error = "Cannot open " + path + ": " + reason + ".";
        return std::nullopt;
    }
    // Both MAT versions begin with a line of text that names them; audio files with a binary
    // header that libsndfile knows; whatever else is a text table or nothing.
    const QByteArray start = file.peek(128);
    if (start.startsWith("MATLAB"))
        return InspectMat(path, error);
    QString audioError;
    if (std::optional<SourceInfo> audio = InspectAudio(path, audioError))
        return audio;
    if (start.startsWith("RIFF") || start.startsWith("FORM") || start.startsWith("fLaC") ||
        start.startsWith("OggS")) {
        error = audioError;
        return std::nullopt;
    }
    return InspectText(path, file, error);
}

bool ReadSource(const SourceInfo& info, int channel, const ValueSink& sink,
                const std::function<bool(double)>& progress, QString& error)
{
    switch (info.kind) {
    case SourceKind::Audio: return ReadAudio(info, channel, sink, progress, error);
    case SourceKind::Mat: return ReadMat(info, channel, sink, progress, error);
    case SourceKind::Text: break;
    }
    return ReadText(info, channel, sink, progress, error);
}

long long CountValues(const SourceInfo& info, const std::function<bool(double)>& progress, QString& error)
{
    return info.kind == SourceKind::Text && info.count < 0 ? CountTextLines(info, progress, error) : info.count;
}

}  // namespace tlv
