#include <gtest/gtest.h>

#include <array>

#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"
#include "model/Workspace.h"
#include "model/DialogPlacement.h"
#include "synthesis/Generators.h"
#include "synthesis/NewSegmentForm.h"
#include "synthesis/ShapeTable.h"

namespace tlv {
namespace {
using test::Messages;

const char* const kBoxes[] = {"txtPoint", "txtAmplitude", "txtOffset", "txtCycles",
                              "txtPhase", "txtDuty",      "txtDamp"};

class NewSegment : public ::testing::Test {
protected:
    void SetUp() override
    {
        ws.prompter = &prompter;
        ASSERT_NE(ws.New(), nullptr);
    }

    std::unique_ptr<NewSegmentForm> Open(int kind)
    {
        ws.seg.SegKind = kind;
        return std::make_unique<NewSegmentForm>(ws);
    }

    // The boxes shown, in the dialog's order.
    static QStringList Shown(const DialogForm& form)
    {
        QStringList shown;
        for (const char* box : kBoxes)
            if (form.control(box)->visible)
                shown << box;
        return shown;
    }

    static QString Text(const DialogForm& form, const char* name) { return form.control(name)->text; }

    ScriptedPrompter prompter;
    Workspace ws;
};

// Captions and load texts are shown by the segments_dialog end-to-end script.
TEST_F(NewSegment, EachShapeShowsItsFields)
{
    const QStringList five = {"txtPoint", "txtAmplitude", "txtOffset", "txtCycles", "txtPhase"};
    const std::pair<int, QStringList> cases[] = {
        {Shape::Noise, {"txtPoint", "txtAmplitude", "txtOffset"}},
        {Shape::Sine, five},
        {Shape::Triangle, five},
        {Shape::Ramp, five},
        {Shape::Square, five + QStringList{"txtDuty"}},
        {Shape::ExpRise, five + QStringList{"txtDamp"}},
        {Shape::ExpFall, five + QStringList{"txtDamp"}},
        {Shape::DampedSine, five + QStringList{"txtDamp"}},
        {Shape::Dc, {"txtPoint", "txtOffset"}},
    };
    for (const auto& [kind, fields] : cases) {
        auto form = Open(kind);
        EXPECT_EQ(Shown(*form), fields) << kind;
        EXPECT_EQ(Text(*form, "cboWaveForm"), NameOfShape(kind));
        // Label and up-down go with their box.
        EXPECT_EQ(form->control("lblDuty")->visible, fields.contains("txtDuty")) << kind;
        EXPECT_EQ(form->control("udnDamp")->visible, fields.contains("txtDamp")) << kind;
    }
}

TEST_F(NewSegment, PickingAShapeRearrangesAndRewritesTheDamping)
{
    auto form = Open(Shape::DampedSine);
    ASSERT_TRUE(form->type("txtDamp", "3"));
    ASSERT_TRUE(form->pick("cboWaveForm", "Exp Fall"));
    EXPECT_EQ(ws.seg.SegKind, Shape::ExpFall);
    EXPECT_TRUE(form->control("txtDamp")->visible);
    EXPECT_EQ(Text(*form, "txtDamp"), "-0.100");
    form->pick("cboWaveForm", "Damped Sine");
    EXPECT_EQ(Text(*form, "txtDamp"), "-0.500");
    form->pick("cboWaveForm", "DC");
    EXPECT_EQ(Shown(*form), QStringList({"txtPoint", "txtOffset"}));
}

struct CheckCase {
    const char* box;
    const char* typed;
    const char* message;  // "" when none is shown
    const char* after;
};

TEST_F(NewSegment, BoxesJudgeTheirTextWhenLeft)
{
    const char* pointsMsg = "Please enter an integer between 16 and 16383";
    const char* cyclesMsg = "Please enter an integer between 1 and 2048";
    const char* phaseMsg = "Please enter an integer between 0 and 359";
    const char* ampMsg = "Please enter a number between 0.000 and 5.000";
    const char* offsetMsg = "Please enter a number between -5.000 and 5.000";
    const char* dutyMsg = "Please enter a number between 0.000 and 100.000";
    const char* dampMsg = "Please enter a number between 5.000 and -5.000";
    const CheckCase cases[] = {
        {"txtPoint", "16", "", "16"},
        {"txtPoint", "16383", "", "16383"},
        {"txtPoint", "16.0", pointsMsg, "16"},
        {"txtPoint", "15", pointsMsg, "16"},
        {"txtPoint", "16384", pointsMsg, "16"},
        {"txtPoint", "99999999999", pointsMsg, "16"},
        {"txtPoint", "", "", "16"},
        {"txtPoint", "12ab", "", "16"},
        {"txtCycles", "abc", "", "1"},
        {"txtCycles", "2048", "", "2048"},
        {"txtCycles", "2049", cyclesMsg, "1"},
        {"txtCycles", "0", cyclesMsg, "1"},
        {"txtCycles", "1.5", cyclesMsg, "1"},
        {"txtPhase", "359", "", "359"},
        {"txtPhase", "360", phaseMsg, "0"},
        {"txtPhase", "-1", phaseMsg, "0"},
        {"txtPhase", "10.5", phaseMsg, "0"},
        {"txtAmplitude", "5", "", "5"},
        {"txtAmplitude", "5.000", "", "5.000"},
        {"txtAmplitude", "5.0004", "", "5.0004"},
        {"txtAmplitude", "4.999", "", "4.999"},
        {"txtAmplitude", "0", "", "0"},
        {"txtAmplitude", "5.001", ampMsg, "5.000"},
        {"txtAmplitude", "5.5", ampMsg, "5.000"},
        {"txtAmplitude", "6", ampMsg, "5.000"},
        {"txtAmplitude", "-0.5", ampMsg, "5.000"},
        {"txtAmplitude", "x", "", "5.000"},
        {"txtOffset", "5.4", "", "5.4"},
        {"txtOffset", "-5.4", "", "-5.4"},
        {"txtOffset", "5.5", offsetMsg, "0.000"},
        {"txtOffset", "-5.5", offsetMsg, "0.000"},
        {"txtOffset", "1e9", offsetMsg, "0.000"},
        {"txtOffset", "", "", "0.000"},
        {"txtDuty", "100.5", "", "100.5"},  // rounds to 100, halves to even
        {"txtDuty", "0", "", "0"},
        {"txtDuty", "100.6", dutyMsg, "50.000"},
        {"txtDuty", "-0.6", dutyMsg, "50.000"},
        {"txtDuty", "70000", dutyMsg, "50.000"},
        {"txtDamp", "5.4", "", "5.4"},
        {"txtDamp", "-5.5", dampMsg, "-0.500"},
        {"txtDamp", "5.5", dampMsg, "-0.500"},
        {"txtDamp", "-40000", dampMsg, "-0.500"},
        {"txtDamp", "?", "", "-0.500"},
    };
    auto square = Open(Shape::Square);
    auto damped = Open(Shape::DampedSine);
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " \"" + c.typed + "\"");
        auto& form = std::string(c.box) == "txtDamp" ? damped : square;
        prompter.shown.clear();
        ASSERT_TRUE(form->type(c.box, c.typed));
        form->leave(c.box);
        if (*c.message)
            EXPECT_EQ(Messages(prompter.shown), QStringList{QString("TLV | ") + c.message});
        else
            EXPECT_TRUE(prompter.shown.empty());
        EXPECT_EQ(Text(*form, c.box), c.after);
    }
}

TEST_F(NewSegment, TypingAloneIsNeverJudgedAndDcSkipsTheAmplitude)
{
    auto form = Open(Shape::Sine);
    form->type("txtPoint", "3");
    form->type("txtAmplitude", "9");
    EXPECT_EQ(Text(*form, "txtPoint"), "3");
    form->pick("cboWaveForm", "DC");
    form->leave("txtAmplitude");  // a DC segment has no amplitude
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(Text(*form, "txtAmplitude"), "9");
}

TEST_F(NewSegment, ListCheck)
{
    auto form = Open(Shape::Sine);
    form->leave("cboWaveForm");
    EXPECT_TRUE(prompter.shown.empty());
    form->type("cboWaveForm", "Sawtooth");
    form->leave("cboWaveForm");
    EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | Waveform Input Error!!!"});
}

TEST_F(NewSegment, DefaultWritesTheFieldsOfItsTable)
{
    // Expected texts in the order of kBoxes; "x" marks a box Default leaves alone.
    const std::pair<const char*, std::array<const char*, 7>> cases[] = {
        {"Sine", {"2000", "5.000", "0.00", "1", "0", "x", "x"}},
        {"Triangle", {"2000", "5.000", "0.00", "1", "0", "x", "x"}},
        {"Ramp", {"2000", "5.000", "0.00", "1", "0", "x", "x"}},
        {"Square", {"2000", "5.000", "0.00", "1", "0", "50.00", "x"}},
        {"Damped Sine", {"2000", "5.000", "0.00", "1", "0", "x", "-0.500"}},
        {"Exp Rise", {"2000", "5.000", "0.00", "1", "0", "50.00", "-0.100"}},
        {"Exp Fall", {"2000", "5.000", "0.00", "1", "0", "50.00", "-0.100"}},
        {"Noise", {"2000", "5.000", "0.00", "x", "x", "x", "x"}},
        {"DC", {"2000", "x", "0.00", "x", "x", "x", "x"}},
    };
    for (const auto& [shape, expected] : cases) {
        SCOPED_TRACE(shape);
        // Every box gets "x", hidden or not for the shape picked last.
        auto form = Open(Shape::ExpRise);
        for (const char* box : kBoxes)
            form->type(box, "x");
        form->pick("cboWaveForm", "Square");
        form->type("txtDuty", "x");
        form->pick("cboWaveForm", shape);
        form->click("cmdDefault");
        for (size_t i = 0; i < std::size(kBoxes); ++i)
            EXPECT_EQ(Text(*form, kBoxes[i]), expected[i]) << kBoxes[i];
    }
}

TEST_F(NewSegment, UpDownsKeepTheirOwnValue)
{
    auto form = Open(Shape::Square);
    form->spin("udnDuty", true);
    EXPECT_EQ(Text(*form, "txtDuty"), "60");
    for (int i = 0; i < 8; ++i)
        form->spin("udnDuty", false);
    EXPECT_EQ(Text(*form, "txtDuty"), "00");
    form->type("txtDuty", "77");  // typing does not move the up-down
    form->spin("udnDuty", true);
    EXPECT_EQ(Text(*form, "txtDuty"), "10");

    const std::pair<const char*, const char*> down[] = {
        {"udnAmplitude", "4.000"}, {"udnOffset", "-1.00"}, {"udnPoint", "1000"},
        {"udnCycles", "1"},        {"udnPhase", "0"}};
    for (const auto& [updown, text] : down) {
        form->spin(updown, false);
        EXPECT_EQ(form->control(form->control(updown)->buddy)->text, text) << updown;
    }
    for (int i = 0; i < 20; ++i)
        form->spin("udnPoint", true);
    EXPECT_EQ(Text(*form, "txtPoint"), "16383");
    form->pick("cboWaveForm", "Damped Sine");
    form->spin("udnDamp", false);
    EXPECT_EQ(Text(*form, "txtDamp"), "-1.000");
}

TEST_F(NewSegment, OkWritesTheShapeOfTheList)
{
    auto form = Open(Shape::Sine);
    form->pick("cboWaveForm", "Square");
    form->type("txtPoint", "1000.9");  // read as it stands, leniently
    form->click("cmdOK");
    EXPECT_TRUE(form->isClosed());
    EXPECT_EQ(ws.seg.SegKind, 0);
    EXPECT_EQ(ws.seg.SegKindName, "Square");
    EXPECT_EQ(ws.edit.PointCount, 1001);
    EXPECT_EQ(ws.edit.WaveText[500], "+5.000000E+00");
    EXPECT_EQ(ws.edit.WaveText[501], "-5.000000E+00");

    // A list text that names no shape keeps the shape the dialog was opened for.
    auto other = Open(Shape::Dc);
    other->type("cboWaveForm", "Wobble");
    other->type("txtOffset", "1");
    other->click("cmdOK");
    EXPECT_EQ(ws.seg.SegKindName, "Wobble");
    EXPECT_EQ(ws.edit.PointCount, 3001);
    EXPECT_EQ(ws.edit.WaveText[3000], "+1.000000E+00");
}

TEST_F(NewSegment, CancelWritesNothing)
{
    auto form = Open(Shape::Sine);
    form->click("cmdCancel");
    EXPECT_TRUE(form->isClosed());
    EXPECT_TRUE(form->cancelled());
    EXPECT_FALSE(form->previewed());
    EXPECT_EQ(ws.seg.SegKind, 0);
    EXPECT_EQ(ws.edit.PointCount, 0);
    EXPECT_FALSE(form->leave("txtPoint"));  // a closed dialog judges nothing
}

TEST_F(NewSegment, CombineModeLocksThePointsToTheSelection)
{
    InsertSegment(ws, ShapeOfKind(Shape::Sine)->toolbar);
    ws.edit.SelStartX = 0;
    ws.edit.SelEndX = 31;
    ws.seg.AddPending = true;
    auto form = Open(Shape::Sine);
    EXPECT_EQ(Text(*form, "txtPoint"), "1024");  // points 0..1023
    EXPECT_FALSE(form->control("txtPoint")->enabled);
    EXPECT_FALSE(form->control("udnPoint")->enabled);
    EXPECT_FALSE(form->control("cmdDefault")->enabled);

    form->click("cmdOK");  // previews: the document stays as it is
    EXPECT_TRUE(form->previewed());
    EXPECT_FALSE(form->cancelled());
    EXPECT_EQ(ws.seg.PreviewCount, 1024);
    EXPECT_EQ(ws.edit.PointCount, 2000);
    EXPECT_EQ(ws.edit.WaveText[2000], "999");
    EXPECT_EQ(ws.seg.SegKind, 0);

    ws.edit.SelEndX = 62;  // Select All's columns: the whole waveform
    EXPECT_EQ(Text(*Open(Shape::Noise), "txtPoint"), "2000");
    ws.edit.SelStartX = 100;  // past the end: nothing selected, nothing shown
    ws.edit.SelEndX = 120;
    EXPECT_EQ(Text(*Open(Shape::Noise), "txtPoint"), "");
}

TEST_F(NewSegment, PlacedAboveTheFrameCentre)
{
    // 1000 twips are 66.7 pixels.
    EXPECT_EQ(NewSegmentPosition(QRect(100, 50, 1000, 800), QSize(340, 286)), QPoint(430, 240));
    auto form = Open(Shape::Sine);
    EXPECT_EQ(form->placement(QRect(0, 0, 800, 600)),
              NewSegmentPosition(QRect(0, 0, 800, 600), form->size()));
}

}  // namespace
}  // namespace tlv
