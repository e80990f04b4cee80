#include "synthesis/SynthesisCommands.h"

#include "commands/Commands.h"
#include "model/Prompter.h"
#include "model/Workspace.h"
#include "synthesis/CombineForm.h"
#include "synthesis/EquationForm.h"
#include "synthesis/Generators.h"
#include "synthesis/NewSegmentForm.h"
#include "synthesis/ShapeTable.h"

namespace tlv {

void RegisterSynthesisCommands(Workspace& ws, Commands& commands)
{
    for (const ShapeRow& shape : Shapes()) {
        commands.add(shape.menuCommand, [&ws, kind = shape.kind] {
            ws.seg.SegKind = kind;
            NewSegmentForm form(ws);
            ws.prompter->runModal(form);
        });
        commands.addButton(2, shape.button, [&ws, &shape] { InsertSegment(ws, shape.toolbar); });
    }
    commands.add(Cmd::Equation, [&ws] {
        EquationForm form(ws);
        ws.prompter->runModal(form);
    });
    commands.add(Cmd::Add, [&ws] { OpenCombineDialog(ws, CombineOperation::Add); });
    commands.add(Cmd::Subtract, [&ws] { OpenCombineDialog(ws, CombineOperation::Subtract); });
    commands.add(Cmd::Multiply, [&ws] { OpenCombineDialog(ws, CombineOperation::Multiply); });
}

}  // namespace tlv
