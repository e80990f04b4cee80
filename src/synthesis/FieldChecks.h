#pragma once

#include <QString>
#include <optional>

namespace tlv {

// What becomes of a New Segment box's text when it loses the focus and is refused.
struct FieldRefusal {
    QString message;    // empty: the text is replaced without a word (empty or not a number)
    QString resetText;
};

// Judges the text of a box (txtPoint, txtAmplitude, ...) as it loses the focus; nothing when
// the text stands. The amplitude is not judged while the shape is DC.
std::optional<FieldRefusal> CheckSegmentField(const QString& box, const QString& text,
                                              bool dcShape);

}  // namespace tlv
