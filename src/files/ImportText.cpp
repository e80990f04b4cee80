#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <charconv>
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

constexpr qint64 kHeadBytes = 1 << 20;
constexpr qint64 kChunkBytes = 1 << 20;
constexpr int kFirstLinesShown = 12;

// Splits text into lines at CR, LF or CR LF; the last piece is returned apart when it has no end.
std::vector<std::string_view> SplitLines(std::string_view text, std::string_view* rest)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    *rest = text.substr(start);
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
    const double size = std::max<double>(1, double(file.size()));
    long long lines = 0;
    bool blank = true, afterCr = false;
    QByteArray chunk;
    while (!(chunk = file.read(kChunkBytes)).isEmpty()) {
        for (char c : chunk) {
            if (c == '\n' || c == '\r') {
                // LF after CR ends no second line.
                if (!(c == '\n' && afterCr))
                    lines += blank ? 0 : 1;
                blank = true;
            } else if (c != ' ' && c != '\t') {
                blank = false;
            }
            afterCr = c == '\r';
        }
        if (!progress(double(file.pos()) / size))
            return -1;
    }
    if (file.error() != QFileDevice::NoError) {
        error = "Cannot read " + info.path + ": " + file.errorString() + ".";
        return -1;
    }
    lines += blank ? 0 : 1;
    // The header's lines were counted with the rest, but for the blank ones.
    return lines - std::count_if(info.skippedLines.begin(), info.skippedLines.end(),
                                 [](const QString& line) { return !line.trimmed().isEmpty(); });
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
    QByteArray buffer;
    std::vector<double> values;
    values.reserve(1 << 16);
    long long lineNumber = 0;
    bool endOfFile = false;
    const auto flush = [&] {
        const bool go = values.empty() || sink(values);
        values.clear();
        return go;
    };
    while (!endOfFile) {
        QByteArray chunk = file.read(kChunkBytes);
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError) {
                error = "Cannot read " + info.path + ": " + file.errorString() + ".";
                return false;
            }
            endOfFile = true;
        }
        buffer += chunk;
        // A CR at the end of a piece may be the first half of a CR LF: it waits for the next piece.
        const qsizetype usable = buffer.size() - (!endOfFile && buffer.endsWith('\r') ? 1 : 0);
        std::string_view rest;
        std::vector<std::string_view> lines = SplitLines({buffer.constData(), size_t(usable)}, &rest);
        if (endOfFile && !rest.empty())
            lines.push_back(rest);
        for (std::string_view line : lines) {
            if (++lineNumber <= layout.headerLines || Blank(line))
                continue;
            const auto fields = Fields(line, layout.separator);
            const auto value = channel < int(fields.size()) ? Number(fields[size_t(channel)], layout.decimalComma)
                                                            : std::nullopt;
            if (!value) {
                error = QString("Line %1 of %2 has no number in column %3 (%4).")
                            .arg(lineNumber)
                            .arg(QFileInfo(info.path).fileName())
                            .arg(channel + 1)
                            .arg(info.channels.value(channel));
                return false;
            }
            values.push_back(*value);
            if (values.size() == values.capacity() && !flush())
                return false;
        }
        buffer = endOfFile ? QByteArray() : buffer.mid(usable - qsizetype(rest.size()));
        if (!flush() || !progress(double(file.pos()) / size))
            return false;
    }
    return true;
}

}  // namespace tlv
