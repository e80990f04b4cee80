#include "synthesis/NewSegmentForm.h"

#include <array>

#include "model/Prompter.h"
#include "model/Workspace.h"
#include "synthesis/DialogPlacement.h"
#include "synthesis/FieldChecks.h"
#include "synthesis/SegmentKinds.h"

namespace tlv {

namespace {

// One parameter: its label, text box and up-down. The up-down keeps its own whole value and
// writes it with the given decimals and at least minDigits whole digits.
struct Field {
    const char* label;
    const char* caption;
    const char* box;
    const char* updown;
    int step, minimum, maximum, initial;
    int decimals, minDigits;
};

enum FieldIndex { Point, Amplitude, Offset, Cycles, Phase, Duty, Damp };

const std::array<Field, 7> kFields = {{
    {"lblPoint", "Data Point", "txtPoint", "udnPoint", 1000, 16, 16383, 2000, 0, 1},
    {"lblAmplitude", "Amplitude", "txtAmplitude", "udnAmplitude", 1, 0, 5, 5, 3, 1},
    {"lblOffset", "Offset", "txtOffset", "udnOffset", 1, -5, 5, 0, 2, 1},
    {"lblCycles", "Cycles", "txtCycles", "udnCycles", 1, 1, 2048, 1, 0, 1},
    {"lblPhase", "Phase(deg)", "txtPhase", "udnPhase", 10, 0, 350, 0, 0, 1},
    {"lblDuty", "Duty Cycle", "txtDuty", "udnDuty", 10, 0, 100, 50, 0, 2},
    {"lblDamp", "Damp Fact", "txtDamp", "udnDamp", 1, -5, 5, 0, 3, 1},
}};

// The fields each shape shows.
std::vector<FieldIndex> FieldsOf(int kind)
{
    switch (kind) {
    case Shape::Noise: return {Point, Amplitude, Offset};
    case Shape::Dc: return {Point, Offset};
    case Shape::Square: return {Point, Amplitude, Offset, Cycles, Phase, Duty};
    case Shape::DampedSine:
    case Shape::ExpRise:
    case Shape::ExpFall: return {Point, Amplitude, Offset, Cycles, Phase, Damp};
    case Shape::Sine:
    case Shape::Triangle:
    case Shape::Ramp: return {Point, Amplitude, Offset, Cycles, Phase};
    default: return {};
    }
}

QString UpDownText(const Field& field, int value)
{
    QString text = QString::number(std::abs(value)).rightJustified(field.minDigits, '0');
    if (field.decimals > 0)
        text += '.' + QString(field.decimals, '0');
    return value < 0 ? '-' + text : text;
}

const Field* FieldOfUpDown(const QString& name)
{
    for (const Field& field : kFields)
        if (name == QLatin1String(field.updown))
            return &field;
    return nullptr;
}

using Generator = void (Workspace::*)();

struct Generators {
    int kind;
    Generator insert;
    Generator preview;
};

const Generators kGenerators[] = {
    {Shape::Noise, &Workspace::InsertNoise, &Workspace::PreviewNoise},
    {Shape::Sine, &Workspace::InsertSine, &Workspace::PreviewSine},
    {Shape::Triangle, &Workspace::InsertTriangle, &Workspace::PreviewTriangle},
    {Shape::Ramp, &Workspace::InsertRamp, &Workspace::PreviewRamp},
    {Shape::Square, &Workspace::InsertSquare, &Workspace::PreviewSquare},
    {Shape::ExpRise, &Workspace::InsertExpRise, &Workspace::PreviewExpRise},
    {Shape::ExpFall, &Workspace::InsertExpFall, &Workspace::PreviewExpFall},
    {Shape::Dc, &Workspace::InsertDc, &Workspace::PreviewDc},
    {Shape::DampedSine, &Workspace::InsertDampedSine, &Workspace::PreviewDampedSine},
};

Control MakeControl(const char* name, ControlKind kind, const QRect& geometry,
                    const char* text = "")
{
    Control control;
    control.name = name;
    control.kind = kind;
    control.geometry = geometry;
    control.text = text;
    return control;
}

constexpr int kRowHeight = 32;
constexpr int kTop = 16;

}  // namespace

NewSegmentForm::NewSegmentForm(Workspace& ws) : DialogForm("New Segment", QSize(340, 286)), ws_(ws)
{
    add(MakeControl("Label1", ControlKind::Label, QRect(16, kTop + 3, 90, 20), "Waveform"));
    add(MakeControl("cboWaveForm", ControlKind::List, QRect(110, kTop, 110, 24))).items =
        ShapeNames();
    for (size_t i = 0; i < kFields.size(); ++i) {
        const Field& f = kFields[i];
        const int y = kTop + kRowHeight * static_cast<int>(i + 1);
        add(MakeControl(f.label, ControlKind::Label, QRect(16, y + 3, 90, 20), f.caption));
        add(MakeControl(f.box, ControlKind::TextBox, QRect(110, y, 92, 24)));
        Control& updown = add(MakeControl(f.updown, ControlKind::UpDown, QRect(202, y, 18, 24)));
        updown.buddy = f.box;
        updown.value = f.initial;
        updown.minimum = f.minimum;
        updown.maximum = f.maximum;
        updown.step = f.step;
    }
    // OK comes first, so that Enter in a box presses it.
    add(MakeControl("cmdOK", ControlKind::Button, QRect(244, kTop, 80, 28), "OK"));
    add(MakeControl("cmdCancel", ControlKind::Button, QRect(244, kTop + 36, 80, 28), "Cancel"));
    add(MakeControl("cmdDefault", ControlKind::Button, QRect(244, kTop + 88, 80, 28), "Default"));

    ws_.SegmentDialog = this;
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

NewSegmentForm::~NewSegmentForm()
{
    if (ws_.SegmentDialog == this)
        ws_.SegmentDialog = nullptr;
}

bool NewSegmentForm::combinePending() const
{
    return ws_.AddPending || ws_.SubtractPending || ws_.MultiplyPending;
}

std::optional<QPoint> NewSegmentForm::placement(const QRect& frame) const
{
    return NewSegmentPosition(frame, size());
}

void NewSegmentForm::ArrangeFields()
{
    for (const Field& f : kFields)
        for (const char* name : {f.label, f.box, f.updown})
            setVisible(name, false);
    const int kind = ws_.SegKind;
    if (kind != Shape::None)
        setText("cboWaveForm", NameOfShape(kind));
    for (FieldIndex i : FieldsOf(kind)) {
        const Field& f = kFields[static_cast<size_t>(i)];
        for (const char* name : {f.label, f.box, f.updown})
            setVisible(name, true);
    }
    if (kind == Shape::ExpRise || kind == Shape::ExpFall)
        setText("txtDamp", "-0.100");
    else if (kind == Shape::DampedSine)
        setText("txtDamp", "-0.500");

    if (!combinePending()) {
        setEnabled("cmdDefault", true);
        return;
    }
    ws_.SelLast = 0;
    ws_.CaptureSelection();
    ws_.SelLast = std::min<int16_t>(ws_.SelLast, kLastPoint);
    if (ws_.SelectAllActive)
        setText("txtPoint", QString::number(static_cast<int>(ws_.PointCount) + 1));
    else  // "######" writes nothing for 0
        setText("txtPoint", ws_.SelLast == 0 ? QString() : QString::number(ws_.SelLast));
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
        CheckSegmentField(name, text(name), ws_.SegKind == Shape::Dc);
    if (!refusal)
        return;
    if (!refusal->message.isEmpty())
        ws_.prompter->message(refusal->message, "TLV", Buttons::Ok, Icon::None);
    setText(name, refusal->resetText);
}

void NewSegmentForm::listPicked(const QString& name)
{
    ws_.SegKind = ShapeOfName(text(name));
    ArrangeFields();
}

void NewSegmentForm::spun(const QString& name)
{
    if (const Field* field = FieldOfUpDown(name))
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
    const int kind = ShapeOfName(text("cboWaveForm"));
    if (kind == Shape::None)
        return;
    setText("txtPoint", "2000");
    setText("txtOffset", "0.00");
    if (kind == Shape::Dc)
        return;
    setText("txtAmplitude", "5.000");
    if (kind == Shape::Noise)
        return;
    setText("txtCycles", "1");
    setText("txtPhase", "0");
    if (kind == Shape::Square || kind == Shape::ExpRise || kind == Shape::ExpFall)
        setText("txtDuty", "50.00");
    if (kind == Shape::ExpRise || kind == Shape::ExpFall)
        setText("txtDamp", "-0.100");
    else if (kind == Shape::DampedSine)
        setText("txtDamp", "-0.500");
}

void NewSegmentForm::ok()
{
    ws_.SegKindName = text("cboWaveForm");
    if (int kind = ShapeOfName(ws_.SegKindName); kind != Shape::None)
        ws_.SegKind = kind;
    for (const Generators& g : kGenerators)
        if (g.kind == ws_.SegKind)
            (ws_.*(combinePending() ? g.preview : g.insert))();
    ws_.SegKind = 0;
    close();
}

void NewSegmentForm::cancel()
{
    ws_.SegKind = 0;
    close();
}

}  // namespace tlv
