#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// What Import Waveform reads: a text table, an audio file or a MATLAB file, told apart by their
// content. A source is looked at once (its channels and the head of its values, for the dialog)
// and then read whole as a stream, so that a capture of any length never sits in memory at once.
namespace tlv {

enum class SourceKind { Text, Audio, Mat };

struct TextLayout {
    char separator = ',';        // ' ' stands for any run of spaces
    bool decimalComma = false;
    int headerLines = 0;         // lines before the data, blank ones included
};

struct SourceInfo {
    QString path;
    SourceKind kind = SourceKind::Text;
    QString description;         // how the content was read, for the dialog
    QStringList channels;        // the columns, audio channels or variables to choose from
    int defaultChannel = 0;
    QStringList firstLines;      // text: the first lines as read
    QStringList skippedLines;    // text: the header lines passed over
    TextLayout layout;
    long long count = -1;        // values in a channel; -1 while unknown (a long text table)
    long long estimatedCount = 0;  // a long text table's count judged from its head's lines
    std::vector<std::vector<double>> head;  // the first values of each channel, in volts
    bool headIsWhole = false;    // head holds every value of the source
};

// Looks at the file; on failure returns nothing and sets error to a message for the user.
std::optional<SourceInfo> InspectSource(const QString& path, QString& error);

// Hands the channel's values to sink in pieces, in order. progress gets the share done (0..1)
// and stops the reading by returning false; sink stops it the same way. On failure returns false
// with error set; a stop asked for returns false with error empty.
using ValueSink = std::function<bool(std::span<const double>)>;
bool ReadSource(const SourceInfo& info, int channel, const ValueSink& sink,
                const std::function<bool(double)>& progress, QString& error);

// The values a channel holds, counted by a pass over a long text table; -1 on failure or a stop.
long long CountValues(const SourceInfo& info, const std::function<bool(double)>& progress, QString& error);

// The text table's parts, shared by its inspection and its stream.
namespace text_table {
// Reads one number as a table writes it ("+1.5E-03", "-.5", "1,5" with a decimal comma).
std::optional<double> Number(std::string_view field, bool decimalComma);
// The fields of a line, trailing empty ones dropped.
std::vector<std::string_view> Fields(std::string_view line, char separator);
// Finds the separator, the decimal mark and the header lines of a table from its first lines.
std::optional<TextLayout> FindLayout(const std::vector<std::string_view>& lines);
}  // namespace text_table

}  // namespace tlv
