// The table scanner on any text. The first byte picks the separators, the second the size of
// the pieces the text is fed in (and where a text limit falls): pieces of any size must give what
// the whole text gives, a limit must keep the values before it, every value must lie within
// +/-5 V, and the values must write as 28-byte lines that read back the same.
#include <algorithm>
#include <cstdint>

#include "files/TableFormat.h"
#include "model/VoltsText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tlv;
    if (size < 2)
        return 0;
    const auto separators = static_cast<TableSeparators>(data[0] % 3);
    const size_t piece = 1 + data[1];
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);

    TableScanner whole(separators);
    whole.feed(text);
    whole.finish();
    TableScanner pieces(separators);
    for (size_t at = 0; at < text.size(); at += piece)
        pieces.feed(text.substr(at, piece));
    pieces.finish();
    if (whole.values() != pieces.values() || whole.values().size() > static_cast<size_t>(kTableMaxValues))
        __builtin_trap();
    for (double v : whole.values())
        if (!(v >= -5.0 && v <= 5.0))
            __builtin_trap();

    // A limit anywhere in the text keeps the values found before it, and says whether it cut.
    const size_t limit = data[1] * 97u % (text.size() + 1);
    TableScanner bounded(separators, limit);
    bounded.feed(text);
    bounded.finish();
    const std::vector<double>& kept = bounded.values();
    if (kept.size() > whole.values().size() ||
        !std::equal(kept.begin(), kept.end(), whole.values().begin()) ||
        bounded.cutShort() != (text.size() > limit && !bounded.full()))
        __builtin_trap();

    const std::string table = TableBytes(whole.values(), ',');
    if (table.size() != whole.values().size() * kTableLineBytes)
        __builtin_trap();
    TableScanner again(TableSeparators::Comma);
    again.feed(table);
    again.finish();
    if (again.values().size() != whole.values().size())
        __builtin_trap();
    for (size_t i = 0; i < whole.values().size(); ++i) {
        const double v = whole.values()[i];
        if (FormatVoltsText(again.values()[i]) != FormatVoltsText(std::abs(v) < 1e-99 ? 0.0 : v))
            __builtin_trap();
    }
    return 0;
}
