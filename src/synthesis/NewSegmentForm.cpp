#include "synthesis/NewSegmentForm.h"

#include <array>

#include "model/Prompter.h"
#include "model/VoltsText.h"
#include "model/Workspace.h"
#include "model/DialogPlacement.h"
#include "synthesis/FieldChecks.h"
#include "synthesis/Generators.h"
#include "synthesis/ShapeTable.h"

namespace tlv {

namespace {

// One parameter: its label, text box and up-down. The up-down keeps its own whole value and
// writes it with the given decimals and at least minDigits whole digits.
struct FieldBoxes {
    unsigned flag;  // in ShapeRow::fields
    const char* label;
    const char* caption;
    const char* box;
    const char* updown;
    int step, minimum, maximum, initial;
    int decimals, minDigits;
};

const std::array<FieldBoxes, 7> kFields = {{
    {Field::Point, "lblPoint", "Data Point", "txtPoint", "udnPoint", 1000, 16, 16383, 2000, 0, 1},
    {Field::Amplitude, "lblAmplitude", "Amplitude", "txtAmplitude", "udnAmplitude", 1, 0, 5, 5, 3, 1},
    {Field::Offset, "lblOffset", "Offset", "txtOffset", "udnOffset", 1, -5, 5, 0, 2, 1},
    {Field::Cycles, "lblCycles", "Cycles", "txtCycles", "udnCycles", 1, 1, 2048, 1, 0, 1},
    {Field::Phase, "lblPhase", "Phase(deg)", "txtPhase", "udnPhase", 10, 0, 350, 0, 0, 1},
    {Field::Duty, "lblDuty", "Duty Cycle", "txtDuty", "udnDuty", 10, 0, 100, 50, 0, 2},
    {Field::Damp, "lblDamp", "Damp Fact", "txtDamp", "udnDamp", 1, -5, 5, 0, 3, 1},
}};

QString UpDownText(const FieldBoxes& field, int value)
{
    QString text = QString::number(std::abs(value)).rightJustified(field.minDigits, '0');
    if (field.decimals > 0)
        text += '.' + QString(field.decimals, '0');
    return value < 0 ? '-' + text : text;
}

const FieldBoxes* FieldOfUpDown(const QString& name)
{
    for (const FieldBoxes& field : kFields)
        if (name == QLatin1String(field.updown))
            return &field;
    return nullptr;
}

// A box read leniently: its leading number, 0 when there is none.
double BoxValue(const QString& text)
{
    return TextToNumber(text.toStdString());
}

constexpr int kRowHeight = 32;
constexpr int kTop = 16;

}  // namespace

NewSegmentForm::NewSegmentForm(Workspace& ws) : DialogForm("New Segment", QSize(340, 286)), ws_(ws)
{
    add("Label1", ControlKind::Label, QRect(16, kTop + 3, 90, 20), "Waveform");
    add("cboWaveForm", ControlKind::List, QRect(110, kTop, 110, 24)).items =
        ShapeNames();
    for (size_t i = 0; i < kFields.size(); ++i) {
        const FieldBoxes& f = kFields[i];
        const int y = kTop + kRowHeight * static_cast<int>(i + 1);
        add(f.label, ControlKind::Label, QRect(16, y + 3, 90, 20), f.caption);
        add(f.box, ControlKind::TextBox, QRect(110, y, 92, 24));
        Control& updown = add(f.updown, ControlKind::UpDown, QRect(202, y, 18, 24));
        updown.buddy = f.box;
        updown.value = f.initial;
        updown.minimum = f.minimum;
        updown.maximum = f.maximum;
        updown.step = f.step;
    }
    // OK comes first, so that Enter in a box presses it.
    add("cmdOK", ControlKind::Button, QRect(244, kTop, 80, 28), "OK");
    add("cmdCancel", ControlKind::Button, QRect(244, kTop + 36, 80, 28), "Cancel");
    add("cmdDefault", ControlKind::Button, QRect(244, kTop + 88, 80, 28), "Default");

    setText("txtPoint", "2000");
    setText("txtAmplitude", "5.000");
    setText("txtOffset", "0.00");
    setText("txtCycles", "1");
    setText("txtPhase", "0");
    setText("txtDuty", "50");
    setText("txtDamp", "-0.500");
    ArrangeFields();
    setEnabled("udnPoint", !combinePending());
}

bool NewSegmentForm::combinePending() const
{
    return ws_.seg.AddPending || ws_.seg.SubtractPending || ws_.seg.MultiplyPending;
}

std::optional<QPoint> NewSegmentForm::placement(const QRect& frame) const
{
    return NewSegmentPosition(frame, size());
}

void NewSegmentForm::ArrangeFields()
{
    for (const FieldBoxes& f : kFields)
        for (const char* name : {f.label, f.box, f.updown})
            setVisible(name, false);
    if (const ShapeRow* shape = ShapeOfKind(ws_.seg.SegKind)) {
        setText("cboWaveForm", shape->name);
        for (const FieldBoxes& f : kFields)
            if (shape->fields & f.flag)
                for (const char* name : {f.label, f.box, f.updown})
                    setVisible(name, true);
        if (shape->dampText)
            setText("txtDamp", shape->dampText);
    }

    if (!combinePending()) {
        setEnabled("cmdDefault", true);
        return;
    }
    ws_.edit.SelLast = 0;
    ws_.CaptureSelection();
    ws_.edit.SelLast = std::min<int16_t>(ws_.edit.SelLast, kLastPoint);
    // The standard wave is as long as the selection, so that the combination covers every
    // selected point and no more (after Select All, the whole waveform).
    const int selected = ws_.edit.SelLast + 1;
    setText("txtPoint", selected > 0 ? QString::number(selected) : QString());
    setEnabled("txtPoint", false);
    setEnabled("cmdDefault", false);
}

void NewSegmentForm::focusLeft(const QString& name)
{
    if (name == "cboWaveForm") {
        if (ShapeOfName(text(name)) == Shape::None)
            ws_.prompter->message("Waveform Input Error!!!", "TLV", Buttons::Ok, Icon::None);
        return;
    }
    checkBox(name);
}

void NewSegmentForm::checkBox(const QString& name)
{
    std::optional<FieldRefusal> refusal =
        CheckSegmentField(name, text(name), ws_.seg.SegKind == Shape::Dc);
    if (!refusal)
        return;
    if (!refusal->message.isEmpty())
        ws_.prompter->message(refusal->message, "TLV", Buttons::Ok, Icon::None);
    setText(name, refusal->resetText);
}

void NewSegmentForm::listPicked(const QString& name)
{
    ws_.seg.SegKind = ShapeOfName(text(name));
    ArrangeFields();
}

void NewSegmentForm::spun(const QString& name)
{
    if (const FieldBoxes* field = FieldOfUpDown(name))
        setText(field->box, UpDownText(*field, control(name)->value));
}

void NewSegmentForm::clicked(const QString& name)
{
    if (name == "cmdDefault")
        writeDefaults();
    else if (name == "cmdOK")
        ok();
    else if (name == "cmdCancel")
        cancel();
}

void NewSegmentForm::writeDefaults()
{
    const ShapeRow* shape = ShapeNamed(text("cboWaveForm"));
    if (!shape)
        return;
    static const std::pair<unsigned, std::pair<const char*, const char*>> kDefaults[] = {
        {Field::Point, {"txtPoint", "2000"}},     {Field::Offset, {"txtOffset", "0.00"}},
        {Field::Amplitude, {"txtAmplitude", "5.000"}}, {Field::Cycles, {"txtCycles", "1"}},
        {Field::Phase, {"txtPhase", "0"}},        {Field::Duty, {"txtDuty", "50.00"}},
    };
    for (const auto& [flag, box] : kDefaults)
        if (shape->defaultFields & flag)
            setText(box.first, box.second);
    if (shape->dampText)
        setText("txtDamp", shape->dampText);
}

ShapeParameters NewSegmentForm::parameters(int kind, double dampDivisor) const
{
    ShapeParameters shape;
    shape.kind = kind;
    shape.points = BoxValue(text("txtPoint"));
    shape.offset = BoxValue(text("txtOffset")) * 1000;
    const ShapeRow* row = ShapeOfKind(kind);
    const unsigned fields = row ? row->fields : 0;
    if (fields & Field::Amplitude)
        shape.amplitude = BoxValue(text("txtAmplitude")) * 1000;
    if (fields & Field::Cycles)
        shape.cycles = BoxValue(text("txtCycles"));
    if (fields & Field::Phase)
        shape.phase = BoxValue(text("txtPhase"));
    if (fields & Field::Duty)
        shape.duty = BoxValue(text("txtDuty")) / 100;
    if (fields & Field::Damp)
        shape.damp = BoxValue(text("txtDamp")) / dampDivisor;
    return shape;
}

void NewSegmentForm::ok()
{
    ws_.seg.SegKindName = text("cboWaveForm");
    if (int kind = ShapeOfName(ws_.seg.SegKindName); kind != Shape::None)
        ws_.seg.SegKind = kind;
    if (ShapeOfKind(ws_.seg.SegKind)) {
        // The previews divide the damping by 10, so that a combined wave decays more slowly.
        if (combinePending()) {
            PreviewSegment(ws_, parameters(ws_.seg.SegKind, 10));
            previewed_ = true;
        } else {
            InsertSegment(ws_, parameters(ws_.seg.SegKind, 1));
        }
    }
    ws_.seg.SegKind = 0;
    close();
}

void NewSegmentForm::cancel()
{
    ws_.seg.SegKind = 0;
    cancelled_ = true;
    close();
}

}  // namespace tlv
