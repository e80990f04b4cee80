#include "synthesis/SynthesisCommands.h"

#include "app/Commands.h"
#include "model/Prompter.h"
#include "model/Workspace.h"
#include "synthesis/NewSegmentForm.h"
#include "synthesis/SegmentKinds.h"

namespace tlv {

namespace {

struct ShapeCommand {
    const char* menuItem;
    int button;  // on Toolbar2
    int kind;
    bool Workspace::*toolbarFlag;
    void (Workspace::*insert)();
};

const ShapeCommand kShapeCommands[] = {
    {"mnuSine", 6, Shape::Sine, &Workspace::ToolbarSine, &Workspace::InsertSine},
    {"mnuTriangle", 7, Shape::Triangle, &Workspace::ToolbarTriangle, &Workspace::InsertTriangle},
    {"mnuSquare", 8, Shape::Square, &Workspace::ToolbarSquare, &Workspace::InsertSquare},
    {"mnuRamp", 9, Shape::Ramp, &Workspace::ToolbarRamp, &Workspace::InsertRamp},
    {"mnuDamped", 10, Shape::DampedSine, &Workspace::ToolbarDamped, &Workspace::InsertDampedSine},
    {"mnuExprise", 11, Shape::ExpRise, &Workspace::ToolbarExpRise, &Workspace::InsertExpRise},
    {"mnuExpfall", 12, Shape::ExpFall, &Workspace::ToolbarExpFall, &Workspace::InsertExpFall},
    {"mnuNoise", 13, Shape::Noise, &Workspace::ToolbarNoise, &Workspace::InsertNoise},
    {"mnuDc", 14, Shape::Dc, &Workspace::ToolbarDc, &Workspace::InsertDc},
};

}  // namespace

void RegisterSynthesisCommands(Workspace& ws, Commands& commands)
{
    for (const ShapeCommand& shape : kShapeCommands) {
        commands.add(shape.menuItem, [&ws, kind = shape.kind] {
            ws.SegKind = kind;
            NewSegmentForm form(ws);
            ws.prompter->runModal(form);
        });
        commands.addShapeButton(shape.button, [&ws, shape] {
            ws.*shape.toolbarFlag = true;
            (ws.*shape.insert)();
        });
    }
}

}  // namespace tlv
