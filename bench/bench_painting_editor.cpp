// Families, regions and fill through the editor, as the mouse and the keys run them on the
// program's windows: the command's edits through the level document (the history and the
// recovery file's schedule hear of them), then the floor drawn again; and their undo. The level
// has sixteen full floors of 32 by 32 (16,384 block records) and 2,000 links; floor 0, the one
// worked on, is painted whole with a family. BM_RedrawFullFloor is the redraw alone: a command's
// time less it is the command's time before the redraw.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <string>

#include "document/records.h"
#include "editor/family_file.h"
#include "editor/fill.h"
#include "editor_bench_support.h"

namespace {

using namespace cw::bench;
namespace editor = cw::editor;

const char* const kFamilies =
    "[Family Wall]\nAlone=Block0\nEnd=Block1\nStraight=Block2\nCorner=Block3\nT=Block4\n"
    "Cross=Block5 3, Block6\n"
    "[Family Hedge]\nAlone=Block7\nEnd=Block8\nStraight=Block9\nCorner=Block10\nT=Block11\n"
    "Cross=Block12 3, Block13\n";

// Floor 0 painted whole with the Wall family, or left empty; floors -8 to 7 but 0 full of plain
// blocks; 2,000 links on floor 0.
cw::document::Level StressLevel(bool floor0Empty) {
  cw::document::Level level;
  const editor::FamilySet families = editor::ParseFamilies(kFamilies).set;
  if (!floor0Empty)
    editor::FillFamily(level, families, families.families[0], {0, 0, 0}, editor::Grid{32, 32});
  for (int floor = -8; floor < 8; ++floor) {
    if (floor == 0) continue;
    for (int row = 0; row < 32; ++row)
      for (int column = 0; column < 32; ++column)
        level.BlockList.push_back(cw::document::FormatBlockRecord(
            {floor, column, row, (column + row) % 8, "Block" + std::to_string(column % 16)}));
  }
  for (int i = 0; i < 2000; ++i)
    level.LinkList.push_back(
        cw::document::FormatLinkRecord({0, i % 32, (i / 32) % 32, 0, (i * 7) % 32, (i * 13) % 32}));
  return level;
}

// Times the command (range 0 is 0) or its undo (1), each iteration from the same level.
template <class Command>
void Measure(benchmark::State& state, Editor& editor, const Command& command) {
  const bool undo = state.range(0) == 1;
  for (auto _ : state) {
    if (undo) {
      state.PauseTiming();
      command();
      state.ResumeTiming();
      editor.Undo();
    } else {
      command();
      state.PauseTiming();
      editor.Undo();
      state.ResumeTiming();
    }
  }
}

// The session with the level loaded, or nothing when it did not start.
std::unique_ptr<BenchSession> Session(benchmark::State& state, bool floor0Empty = false) {
  auto session = std::make_unique<BenchSession>(16, kFamilies);
  if (!session->Started()) {
    state.SkipWithError("start-up failed");
    return nullptr;
  }
  session->LoadLevel(StressLevel(floor0Empty));
  return session;
}

// The whole floor 0 selected with a Shift + drag; the marker on its top-left cell.
void SelectWholeFloor(Editor& editor) {
  editor.PressFloor(Qt::LeftButton, Qt::ShiftModifier, 5, 5);
  editor.MoveOnFloor(Qt::ShiftModifier, 1020, 1020);
  editor.ReleaseFloor(Qt::LeftButton, Qt::ShiftModifier, 1020, 1020);
}

// A click of the other family in the middle of the painted floor: the cell and its four
// neighbours change, and those five cells are drawn.
void BM_FamilyCellOnAFullFloor(benchmark::State& state) {
  const auto session = Session(state);
  if (!session) return;
  Editor& editor = session->editor();
  editor.ChooseFamily(1);
  Measure(state, editor, [&] {
    editor.PressFloor(Qt::LeftButton, Qt::NoModifier, 528, 528);
    editor.ReleaseFloor(Qt::LeftButton, Qt::NoModifier, 528, 528);
  });
}

void BM_PasteWholeFloor(benchmark::State& state) {
  const auto session = Session(state);
  if (!session) return;
  Editor& editor = session->editor();
  SelectWholeFloor(editor);
  editor.CopySelection();
  Measure(state, editor, [&] { editor.PasteAtMarker(); });
}

void BM_TurnWholeFloor(benchmark::State& state) {
  const auto session = Session(state);
  if (!session) return;
  Editor& editor = session->editor();
  SelectWholeFloor(editor);
  Measure(state, editor, [&] { editor.TurnSelection(cw::document::kRotate); });
}

void BM_FillWholeFloorWithAFamily(benchmark::State& state) {
  const auto session = Session(state, true);
  if (!session) return;
  Editor& editor = session->editor();
  editor.ChooseFamily(0);
  Measure(state, editor, [&] { editor.FillAtMarker(); });
}

void BM_RedrawFullFloor(benchmark::State& state) {
  const auto session = Session(state);
  if (!session) return;
  Editor& editor = session->editor();
  for (auto _ : state) {
    editor.RedrawFloor();
    benchmark::DoNotOptimize(editor.State().FloorCanvas.constBits());
  }
}

// Argument: 0 times the command, 1 its undo.
void Arguments(benchmark::internal::Benchmark* b) {
  b->ArgName("undo")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_FamilyCellOnAFullFloor)->Apply(Arguments)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PasteWholeFloor)->Apply(Arguments);
BENCHMARK(BM_TurnWholeFloor)->Apply(Arguments);
BENCHMARK(BM_FillWholeFloorWithAFamily)->Apply(Arguments);
BENCHMARK(BM_RedrawFullFloor)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return cw::bench::RunEditorBenchmarks(argc, argv);
}
