#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <cmath>

#include "files/ImportReaders.h"
#include "platform/PlainFile.h"

namespace tlv {

namespace text_table {

std::optional<double> Number(std::string_view field, bool decimalComma)
{
    while (!field.empty() && (field.front() == ' ' || field.front() == '"'))
        field.remove_prefix(1);
    while (!field.empty() && (field.back() == ' ' || field.back() == '"'))
        field.remove_suffix(1);
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    if (field.empty() || field.size() > 64 || (field.front() == '-' && field.size() > 1 && field[1] == '+'))
        return std::nullopt;
    char copy[64];
    std::copy(field.begin(), field.end(), copy);
    if (decimalComma)
        std::replace(copy, copy + field.size(), ',', '.');
    double value = 0;
    const auto [end, error] = std::from_chars(copy, copy + field.size(), value);
    if (error != std::errc() || end != copy + field.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<std::string_view> Fields(std::string_view line, char separator)
{
    std::vector<std::string_view> fields;
    if (separator == ' ') {
        size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
                ++i;
            const size_t start = i;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                ++i;
            if (i > start)
                fields.push_back(line.substr(start, i - start));
        }
        return fields;
    }
    size_t start = 0;
    for (;;) {
        const size_t end = line.find(separator, start);
        fields.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    while (!fields.empty() && fields.back().find_first_not_of(' ') == std::string_view::npos)
        fields.pop_back();
    return fields;
}

namespace {

bool AllNumbers(const std::vector<std::string_view>& fields, bool decimalComma)
{
    return !fields.empty() &&
           std::all_of(fields.begin(), fields.end(), [&](auto f) { return Number(f, decimalComma).has_value(); });
}

bool Blank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

char FindSeparator(const std::vector<std::string_view>& lines)
{
    // The data's lines decide, and they come last: a header may use other marks.
    std::vector<std::string_view> last;
    for (auto it = lines.rbegin(); it != lines.rend() && last.size() < 20; ++it)
        if (!Blank(*it))
            last.push_back(*it);
    const auto share = [&](char c) {
        return std::count_if(last.begin(), last.end(), [c](auto l) { return l.find(c) != l.npos; });
    };
    const auto half = static_cast<long>((last.size() + 1) / 2);
    for (char c : {'\t', ';', ','})
        if (share(c) >= half && share(c) > 0)
            return c;
    return ' ';
}

}  // namespace

std::optional<TextLayout> FindLayout(const std::vector<std::string_view>& lines)
{
    TextLayout layout;
    layout.separator = FindSeparator(lines);
    for (bool decimalComma : {false, true}) {
        if (decimalComma && layout.separator == ',')
            break;
        layout.decimalComma = decimalComma;
        // The data begin at the first line of numbers that the next few lines continue.
        for (size_t i = 0; i < lines.size(); ++i) {
            const auto fields = Fields(lines[i], layout.separator);
            if (!AllNumbers(fields, decimalComma))
                continue;
            int alike = 0, checked = 0;
            for (size_t j = i + 1; j < lines.size() && checked < 3; ++j) {
                if (Blank(lines[j]))
                    continue;
                ++checked;
                // A short line among the data is the data's fault, told when it is read.
                alike += AllNumbers(Fields(lines[j], layout.separator), decimalComma);
            }
            if (alike == checked) {
                layout.headerLines = static_cast<int>(i);
                return layout;
            }
        }
    }
    return std::nullopt;
}

}  // namespace text_table

namespace {

using namespace text_table;

// The field at index of a line, as Fields would give it, without gathering the others.
std::optional<std::string_view> FieldAt(std::string_view line, char separator, int index)
{
    if (separator == ' ') {
        const auto fields = Fields(line, separator);
        return index < int(fields.size()) ? std::optional(fields[size_t(index)]) : std::nullopt;
    }
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = line.find(separator, start);
        if (start == std::string_view::npos)
            return std::nullopt;
        ++start;
    }
    return line.substr(start, line.find(separator, start) - start);
}

constexpr qint64 kHeadBytes = 1 << 20;
constexpr qint64 kChunkBytes = 1 << 20;
constexpr int kFirstLinesShown = 6;  // as many as the dialog has room for

// Hands each line of text to line, ending at CR, LF or CR LF; returns where the unended rest begins.
template <class Line>
size_t ForEachLine(std::string_view text, Line&& line)
{
    const char* p = text.data();
    const size_t n = text.size();
    size_t start = 0;
    while (start < n) {
        const auto* feed = static_cast<const char*>(std::memchr(p + start, '\n', n - start));
        const size_t limit = feed ? size_t(feed - p) : n;
        const auto* ret = static_cast<const char*>(std::memchr(p + start, '\r', limit - start));
        const char* end = ret ? ret : feed;
        if (!end)
            break;
        line(text.substr(start, size_t(end - p) - start));
        start = size_t(end - p) + 1;
        if (end == ret && start < n && p[start] == '\n')
            ++start;
    }
    return start;
}

std::vector<std::string_view> SplitLines(std::string_view text, std::string_view* rest)
{
    std::vector<std::string_view> lines;
    *rest = text.substr(ForEachLine(text, [&](std::string_view line) { lines.push_back(line); }));
    return lines;
}

bool LooksLikeTime(const QString& name, const std::vector<double>& values)
{
    static const QRegularExpression names(
        "^(x|t|n|nr|no|index|sample|samples|time|times|s|sec|second|seconds)(\\s*[\\[(].*)?$",
        QRegularExpression::CaseInsensitiveOption);
    if (names.match(name.trimmed()).hasMatch())
        return true;
    // A column that rises by the same step at every line is an axis, not a signal.
    if (values.size() < 3)
        return false;
    const double step = values[1] - values[0];
    for (size_t i = 1; i < values.size(); ++i)
        if (!(values[i] - values[i - 1] > 0) || std::abs(values[i] - values[i - 1] - step) > 1e-6 * std::abs(step))
            return false;
    return true;
}

QString Describe(const TextLayout& layout)
{
    const QString separator = layout.separator == '\t'  ? "tab"
                              : layout.separator == ';' ? "semicolon"
                              : layout.separator == ',' ? "comma"
                                                        : "space";
    return QString("text table, %1 separated, decimal %2").arg(separator, layout.decimalComma ? "comma" : "point");
}

}  // namespace

std::optional<SourceInfo> InspectText(const QString& path, QFile& file, QString& error)
{
    const QString name = QFileInfo(path).fileName();
    const QByteArray head = file.read(kHeadBytes);
    SourceInfo info;
    info.path = path;
    info.kind = SourceKind::Text;
    info.headIsWhole = file.atEnd();
    if (head.contains('\0')) {
        error = name + " is neither a text table, nor an audio file, nor a MATLAB file.";
        return std::nullopt;
    }
    std::string_view rest;
    std::vector<std::string_view> lines = SplitLines({head.constData(), size_t(head.size())}, &rest);
    if (info.headIsWhole && !rest.empty())
        lines.push_back(rest);
    for (int i = 0; i < std::min<int>(kFirstLinesShown, int(lines.size())); ++i)
        info.firstLines << QString::fromLocal8Bit(lines[size_t(i)].data(), qsizetype(lines[size_t(i)].size()));
    const std::optional<TextLayout> layout = FindLayout(lines);
    if (!layout) {
        error = "No numbers were found in " + name + (info.firstLines.isEmpty() ? QString(", which is empty.")
                                                      : ". Its first line reads \"" + info.firstLines.front() + "\".");
        return std::nullopt;
    }
    info.layout = *layout;
    info.description = Describe(*layout);
    for (int i = 0; i < layout->headerLines; ++i)
        info.skippedLines << QString::fromLocal8Bit(lines[size_t(i)].data(), qsizetype(lines[size_t(i)].size()));

    const auto first = Fields(lines[size_t(layout->headerLines)], layout->separator);
    const int columns = int(first.size());
    QStringList names;
    for (int i = layout->headerLines - 1; i >= 0; --i) {
        if (Blank(lines[size_t(i)]))
            continue;
        // A line of names holds no number among them ("Sample Interval,0.5" names nothing).
        const auto header = Fields(lines[size_t(i)], layout->separator);
        if (int(header.size()) >= columns &&
            std::none_of(header.begin(), header.begin() + columns,
                         [&](auto field) { return Number(field, layout->decimalComma).has_value(); }))
            for (int c = 0; c < columns; ++c)
                names << QString::fromLocal8Bit(header[size_t(c)].data(), qsizetype(header[size_t(c)].size())).trimmed();
        break;
    }
    info.head.assign(size_t(columns), {});
    long long dataLines = 0;
    for (size_t i = size_t(layout->headerLines); i < lines.size(); ++i) {
        if (Blank(lines[i]))
            continue;
        ++dataLines;
        const auto fields = Fields(lines[i], layout->separator);
        for (int c = 0; c < columns; ++c) {
            const auto value = c < int(fields.size()) ? Number(fields[size_t(c)], layout->decimalComma) : std::nullopt;
            if (value && info.head[size_t(c)].size() == size_t(dataLines - 1))
                info.head[size_t(c)].push_back(*value);
        }
    }
    for (int c = 0; c < columns; ++c)
        info.channels << (names.size() == columns && !names[c].isEmpty() ? names[c] : QString("Column %1").arg(c + 1));
    info.defaultChannel = columns - 1;
    for (int c = 0; c < columns; ++c)
        if (columns == 1 || !LooksLikeTime(info.channels[c], info.head[size_t(c)])) {
            info.defaultChannel = c;
            break;
        }
    if (info.headIsWhole) {
        info.count = dataLines;
    } else {
        const double used = double(head.size() - qsizetype(rest.size()));
        info.estimatedCount = static_cast<long long>(double(dataLines) * double(file.size()) / std::max(1.0, used));
    }
    return info;
}

long long CountTextLines(const SourceInfo& info, const std::function<bool(double)>& progress, QString& error)
{
    QFile file(info.path);
    if (QString reason = OpenPlainFile(file); !reason.isEmpty()) {
        error = "Cannot open " + info.path + ": " + reason + ".";
        return -1;
    }
    // Line ends are counted, not lines judged: a blank line or two among millions moves the
    // resampling ratio by nothing that shows, and the result's length is exact regardless.
    const double size = std::max<double>(1, double(file.size()));
    long long feeds = 0, returns = 0;
    char last = '\n';
    QByteArray chunk;
    while (!(chunk = file.read(kChunkBytes)).isEmpty()) {
        feeds += std::count(chunk.begin(), chunk.end(), '\n');
        returns += std::count(chunk.begin(), chunk.end(), '\r');
        last = chunk.back();
        if (!progress(double(file.pos()) / size))
            return -1;
    }
    if (file.error() != QFileDevice::NoError) {
        error = "Cannot read " + info.path + ": " + file.errorString() + ".";
        return -1;
    }
    const long long lines = (feeds > 0 ? feeds : returns) + (last != '\n' && last != '\r');
    return lines - info.layout.headerLines;
}

bool ReadText(const SourceInfo& info, int channel, const ValueSink& sink,
              const std::function<bool(double)>& progress, QString& error)
{
    QFile file(info.path);
    if (QString reason = OpenPlainFile(file); !reason.isEmpty()) {
        error = "Cannot open " + info.path + ": " + reason + ".";
        return false;
    }
    const TextLayout& layout = info.layout;
    const double size = std::max<double>(1, double(file.size()));
    std::vector<char> buffer(size_t(2 * kChunkBytes));
    std::vector<double> values;
    values.reserve(1 << 16);
    long long lineNumber = 0;
    size_t kept = 0;  // the unended line carried over from the last piece
    bool failed = false;
    const auto take = [&](std::string_view line) {
        if (failed || ++lineNumber <= layout.headerLines || Blank(line))
            return;
        const auto field = FieldAt(line, layout.separator, channel);
        const auto value = field ? Number(*field, layout.decimalComma) : std::nullopt;
        if (!value) {
            error = QString("Line %1 of %2 has no number in column %3 (%4).")
                        .arg(lineNumber)
                        .arg(QFileInfo(info.path).fileName())
                        .arg(channel + 1)
                        .arg(info.channels.value(channel));
            failed = true;
            return;
        }
        values.push_back(*value);
    };
    for (;;) {
        if (kept == buffer.size())  // a line longer than the buffer
            buffer.resize(2 * buffer.size());
        const qint64 got = file.read(buffer.data() + kept, qint64(buffer.size() - kept));
        if (got < 0) {
            error = "Cannot read " + info.path + ": " + file.errorString() + ".";
            return false;
        }
        const bool endOfFile = got == 0;
        const size_t filled = kept + size_t(got);
        // A CR at the end of a piece may be the first half of a CR LF: it waits for the next piece.
        const size_t usable = filled - (!endOfFile && filled > 0 && buffer[filled - 1] == '\r');
        const std::string_view text(buffer.data(), usable);
        const size_t rest = ForEachLine(text, take);
        if (endOfFile && rest < usable)
            take(text.substr(rest));
        if (failed)
            return false;
        if (!values.empty() && !sink(values))
            return false;
        values.clear();
        if (endOfFile)
            return true;
        kept = filled - rest;
        std::memmove(buffer.data(), buffer.data() + rest, kept);
        if (!progress(double(file.pos()) / size))
            return false;
    }
}

}  // namespace tlv
