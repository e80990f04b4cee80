#include <benchmark/benchmark.h>
#include <cmath>

#include "commands/Commands.h"
#include "editing/EditCommands.h"
#include "model/EditTransaction.h"
#include "model/ScriptedPrompter.h"
#include "model/Workspace.h"

namespace tlv {
namespace {

// A document of the given number of points, with the Edit commands and the mouse tools.
struct EditingDocument {
    explicit EditingDocument(int count) : commands(ws, QString())
    {
        ws.prompter = &prompter;
        tools = RegisterEditingCommands(ws, commands);
        ws.New();
        for (int i = 0; i < count; ++i)
            volts.push_back(4.5 * std::sin(i / 500.0));
        reset();
    }
    void reset()
    {
        EditTransaction(ws, EditTransaction::Closing::CommitAndReplot).WritePoints(0, volts);
    }
    void input(PlotInput::Type type, float x, float y, int button = 1)
    {
        ws.mouseTools->plotInput(PlotInput{type, x, y, button, 0});
    }
    // Press at column 1 and one move a column up to 512, the row swinging down and up.
    void stroke()
    {
        input(PlotInput::Type::Press, 1, 152);
        for (int x = 2; x <= 513; ++x)
            input(PlotInput::Type::Move, static_cast<float>(x), static_cast<float>(152 + 140 * std::sin(x / 20.0)));
    }

    Workspace ws;
    ScriptedPrompter prompter;
    Commands commands;
    std::unique_ptr<PlotInputHandler> tools;
    std::vector<double> volts;
};

// One move of a free-hand stroke over a full document, readout included.
void BM_FreehandMove(benchmark::State& state)
{
    EditingDocument doc(kMaxPoints);
    ChooseFreehand(doc.ws);
    doc.input(PlotInput::Type::Press, 1, 152);
    int x = 2;
    for (auto _ : state) {
        doc.input(PlotInput::Type::Move, static_cast<float>(x), static_cast<float>(152 + 140 * std::sin(x / 20.0)));
        x = x == 512 ? 1 : x + 1;
    }
}
BENCHMARK(BM_FreehandMove)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Benchmarks that rebuild their document between runs take a fixed number of iterations, as
// the untimed rebuild is far longer than what is timed.

// A stroke across all 512 columns on a full document: the release alone (the write-back of
// 16384 points and the commit), or the whole stroke (press, 512 moves, release).
void BM_Freehand(benchmark::State& state, bool wholeStroke)
{
    EditingDocument doc(kMaxPoints);
    for (auto _ : state) {
        state.PauseTiming();
        doc.reset();
        ChooseFreehand(doc.ws);
        if (!wholeStroke)
            doc.stroke();
        state.ResumeTiming();
        if (wholeStroke)
            doc.stroke();
        doc.input(PlotInput::Type::Release, 512, 152);
    }
}
BENCHMARK_CAPTURE(BM_Freehand, Release, false)->Unit(benchmark::kMicrosecond)->Iterations(100)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Freehand, Stroke, true)->Unit(benchmark::kMillisecond)->Iterations(100)->Repetitions(9)->ReportAggregatesOnly(true);

// Each Edit command on a document of 16384 points (Paste: 8192 points and a clipboard of 8192),
// after what it needs: a selection, a clipboard, a snapshot.
enum class Command { Copy, Cut, Paste, ClearSelectAll, ClearColumns, ClearAll, SelectAll, Undo };

void BM_EditCommand(benchmark::State& state, Command command)
{
    EditingDocument doc(command == Command::Paste ? kMaxPoints / 2 : kMaxPoints);
    Workspace& ws = doc.ws;
    for (auto _ : state) {
        state.PauseTiming();
        doc.reset();
        switch (command) {
        case Command::Copy:
        case Command::Cut:
        case Command::ClearSelectAll:
            SelectAllPoints(ws);
            break;
        case Command::Paste:
            SelectAllPoints(ws);
            CopySelection(ws);
            break;
        case Command::ClearColumns:
            doc.input(PlotInput::Type::Press, 10, 100);
            doc.input(PlotInput::Type::Release, 400, 100);
            break;
        case Command::Undo:
            ClearAllPoints(ws);
            break;
        default:
            break;
        }
        state.ResumeTiming();
        switch (command) {
        case Command::Copy: CopySelection(ws); break;
        case Command::Cut: CutSelection(ws); break;
        case Command::Paste: PasteClipboard(ws); break;
        case Command::ClearSelectAll:
        case Command::ClearColumns: ClearSelection(ws); break;
        case Command::ClearAll: ClearAllPoints(ws); break;
        case Command::SelectAll: SelectAllPoints(ws); break;
        case Command::Undo: UndoLastEdit(ws); break;
        }
    }
}
BENCHMARK_CAPTURE(BM_EditCommand, Copy, Command::Copy)->Unit(benchmark::kMicrosecond)->Iterations(100)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_EditCommand, Cut, Command::Cut)->Unit(benchmark::kMicrosecond)->Iterations(100)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_EditCommand, Paste, Command::Paste)->Unit(benchmark::kMicrosecond)->Iterations(100)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_EditCommand, ClearAfterSelectAll, Command::ClearSelectAll)->Unit(benchmark::kMicrosecond)->Iterations(100)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_EditCommand, ClearColumns, Command::ClearColumns)->Unit(benchmark::kMicrosecond)->Iterations(100)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_EditCommand, ClearAll, Command::ClearAll)->Unit(benchmark::kMicrosecond)->Iterations(100)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_EditCommand, SelectAll, Command::SelectAll)->Unit(benchmark::kMicrosecond)->Iterations(100)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_EditCommand, Undo, Command::Undo)->Unit(benchmark::kMicrosecond)->Iterations(100)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tlv
