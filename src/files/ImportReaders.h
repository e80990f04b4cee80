#pragma once

#include "files/ImportSource.h"

class QFile;

// Each kind of source's own inspection and stream, behind InspectSource and ReadSource.
namespace tlv {

std::optional<SourceInfo> InspectText(const QString& path, QFile& file, QString& error);
bool ReadText(const SourceInfo& info, int channel, const ValueSink& sink,
              const std::function<bool(double)>& progress, QString& error);
// The data lines of a text table, blank ones left out.
long long CountTextLines(const SourceInfo& info, const std::function<bool(double)>& progress, QString& error);

// Audio through libsndfile: full scale is +/-5 V.
std::optional<SourceInfo> InspectAudio(const QString& path, QString& error);
bool ReadAudio(const SourceInfo& info, int channel, const ValueSink& sink,
               const std::function<bool(double)>& progress, QString& error);

// MATLAB files through libmatio: every real numeric vector, and every column of a matrix.
std::optional<SourceInfo> InspectMat(const QString& path, QString& error);
bool ReadMat(const SourceInfo& info, int channel, const ValueSink& sink,
             const std::function<bool(double)>& progress, QString& error);

}  // namespace tlv
