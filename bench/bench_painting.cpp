// Painting with families, regions and fill on full floors of 32 by 32 cells, and their undo (the
// command's edits reverted last first, one by one with RevertEdit or in one go with RevertEdits).
// Each benchmark runs on a level of one full floor and on one of sixteen full floors (16,384 block
// records), with 2,000 links; the commands work on floor 0.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "document/edit_batch.h"
#include "document/list_edit.h"
#include "document/records.h"
#include "editor/family_painting.h"
#include "editor/fill.h"
#include "editor/region_copy.h"
#include "editor/region_transform.h"

namespace {

using cw::document::Level;
using cw::document::ListEdit;
using Edits = std::vector<ListEdit>;
namespace editor = cw::editor;

constexpr editor::Grid kGrid{32, 32};
constexpr editor::Region kFloor0{0, 0, 0, 32, 32};

editor::FamilySet Families() {
  editor::FamilySet set;
  for (const char* name : {"Wall", "Hedge"}) {
    editor::Family family{name, {}};
    for (int shape = 0; shape < editor::kShapeCount; ++shape) {
      const std::string block = std::string(name) + std::to_string(shape);
      family.pieces[shape] = {{block, 3}, {block + "b", 1}};
    }
    set.families.push_back(family);
  }
  return set;
}

// Floor 0 painted whole with the Wall family (or left empty), floors 1 up to `floors` - 1 full of
// plain blocks, and 2,000 links on floor 0.
Level MakeLevel(int floors, bool floor0Empty = false) {
  Level level;
  const editor::FamilySet families = Families();
  if (!floor0Empty) editor::FillFamily(level, families, families.families[0], {0, 0, 0}, kGrid);
  for (int floor = 1; floor < floors; ++floor)
    for (int row = 0; row < 32; ++row)
      for (int column = 0; column < 32; ++column)
        level.BlockList.push_back(cw::document::FormatBlockRecord(
            {floor, column, row, (column + row) % 8, "Block" + std::to_string(column % 16)}));
  for (int i = 0; i < 2000; ++i)
    level.LinkList.push_back(
        cw::document::FormatLinkRecord({0, i % 32, (i / 32) % 32, 0, (i * 7) % 32, (i * 13) % 32}));
  return level;
}

enum Timed { kCommand, kUndoOneByOne, kUndoInOneGo };

// Times a command, or its undo, on a fresh copy of the level each time.
template <class Command>
void Measure(benchmark::State& state, const Level& level, const Command& command) {
  const auto timed = static_cast<Timed>(state.range(1));
  std::size_t edits = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Level working = level;
    Edits done;
    if (timed != kCommand) done = command(working);
    state.ResumeTiming();
    if (timed == kCommand) {
      done = command(working);
    } else if (timed == kUndoOneByOne) {
      for (auto edit = done.rbegin(); edit != done.rend(); ++edit)
        cw::document::RevertEdit(working, *edit);
    } else {
      cw::document::RevertEdits(working, done);
    }
    state.PauseTiming();
    edits = done.size();
    working = Level{};
    state.ResumeTiming();
  }
  state.counters["edits"] = static_cast<double>(edits);
}

// The middle cell of the full floor 0 painted with the other family: the cell and its four
// neighbours change.
void BM_PaintFamilyCell(benchmark::State& state) {
  const editor::FamilySet families = Families();
  Measure(state, MakeLevel(static_cast<int>(state.range(0))), [&](Level& level) {
    return editor::PaintFamily(level, families, families.families[1], {0, 16, 16});
  });
}

void BM_PasteWholeFloor(benchmark::State& state) {
  const Level level = MakeLevel(static_cast<int>(state.range(0)));
  const editor::RegionClip clip = editor::CopyRegion(level, kFloor0);
  Measure(state, level, [&](Level& working) {
    return editor::PasteRegion(working, clip, {0, 0, 0}, kGrid);
  });
}

void BM_TurnWholeFloor(benchmark::State& state) {
  Measure(state, MakeLevel(static_cast<int>(state.range(0))), [](Level& level) {
    return editor::TurnRegion(level, kFloor0, cw::document::kRotate, kGrid);
  });
}

void BM_FillWholeFloorWithAFamily(benchmark::State& state) {
  const editor::FamilySet families = Families();
  Measure(state, MakeLevel(static_cast<int>(state.range(0)), true), [&](Level& level) {
    return editor::FillFamily(level, families, families.families[0], {0, 5, 5}, kGrid);
  });
}

void BM_FillWholeFloorWithABlock(benchmark::State& state) {
  Measure(state, MakeLevel(static_cast<int>(state.range(0)), true), [](Level& level) {
    return editor::FillBlock(level, {0, 5, 5}, 4, "Block1", kGrid);
  });
}

// Arguments: the number of full floors, then what is timed: 0 the command, 1 its undo one edit
// at a time, 2 its undo in one go.
void Arguments(benchmark::internal::Benchmark* b) {
  b->ArgNames({"floors", "timed"})
      ->ArgsProduct({{1, 16}, {kCommand, kUndoOneByOne, kUndoInOneGo}})
      ->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_PaintFamilyCell)->Apply(Arguments)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PasteWholeFloor)->Apply(Arguments);
BENCHMARK(BM_TurnWholeFloor)->Apply(Arguments);
BENCHMARK(BM_FillWholeFloorWithAFamily)->Apply(Arguments);
BENCHMARK(BM_FillWholeFloorWithABlock)->Apply(Arguments);

}  // namespace

BENCHMARK_MAIN();
