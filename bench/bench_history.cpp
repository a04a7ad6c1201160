// Undo and redo: of one placement in a level of 16,384 block records and 2,000 links, the floor
// redrawn each time; the memory that the history of 100,000 placements holds; and the recovery
// file of that level written once.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "document/records.h"
#include "editor/level_history.h"
#include "editor/recovery_files.h"
#include "editor_bench_support.h"
#include "forms/tool_box_form.h"

namespace {

using namespace cw::bench;

// Every cell of 16 floors of 32 by 32, and 2,000 links.
cw::document::Level StressLevel() {
  cw::document::Level level;
  for (int floor = -8; floor < 8; ++floor)
    for (int column = 0; column < 32; ++column)
      for (int row = 0; row < 32; ++row)
        level.BlockList.push_back(cw::document::FormatBlockRecord(
            {floor, column, row, (column + row) % 8,
             "Block" + std::to_string((column * 32 + row + floor) & 15)}));
  for (int i = 0; i < 2000; ++i)
    level.LinkList.push_back(cw::document::FormatLinkRecord(
        {i % 16 - 8, i % 32, (i / 32) % 32, (i + 3) % 16 - 8, (i * 7) % 32, (i * 13) % 32}));
  return level;
}

// One iteration is an undo and a redo, each showing the full floor 0 again: half its time is
// one step's.
void BM_UndoThenRedoOfAPlacement(benchmark::State& state) {
  BenchSession session(16);
  if (!session.Started()) {
    state.SkipWithError("start-up failed");
    return;
  }
  session.LoadLevel(StressLevel());
  QListWidget& palette = *session.windows().toolBox->ListBox1;
  palette.setCurrentRow(3);
  Editor& editor = session.editor();
  editor.PressFloor(Qt::LeftButton, Qt::NoModifier, 300, 300);  // on floor 0, the current one
  for (auto _ : state) {
    editor.Undo();
    editor.Redo();
    benchmark::DoNotOptimize(editor.State().FloorCanvas.constBits());
  }
}
BENCHMARK(BM_UndoThenRedoOfAPlacement)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HistoryOf100000Placements(benchmark::State& state) {
  for (auto _ : state) {
    const std::size_t before = mallinfo2().uordblks;
    auto history = std::make_unique<cw::editor::LevelHistory>();
    const cw::document::Level level;
    for (int i = 0; i < 100'000; ++i) {
      const int column = i % 32;
      const int row = (i / 32) % 32;
      cw::document::ListEdit edit{cw::document::LevelList::kBlocks, std::nullopt, std::nullopt};
      edit.removed = cw::document::RecordAt{
          static_cast<std::size_t>(i % 16384),
          cw::document::FormatBlockRecord(
              {i % 16 - 8, column, row, i % 8, "Block" + std::to_string(i % 16)})};
      edit.added = cw::document::RecordAt{
          16383, cw::document::FormatBlockRecord({i % 16 - 8, column, row, (i + 1) % 8,
                                                  "Block" + std::to_string((i + 5) % 16)})};
      history->LevelChanged(
          level, cw::document::ChangeOfEdits(cw::document::ChangeCause::kEdit, {std::move(edit)}));
    }
    state.counters["history_MB"] =
        static_cast<double>(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
    benchmark::DoNotOptimize(history.get());
  }
}
BENCHMARK(BM_HistoryOf100000Placements)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RecoveryFileOfTheStressLevel(benchmark::State& state) {
  QTemporaryDir folder;
  cw::editor::RecoveryFiles files(folder.filePath(QStringLiteral("recovery")), folder.path());
  const cw::document::Level level = StressLevel();
  for (auto _ : state) {
    if (!files.Write(level)) state.SkipWithError("the recovery file was not written");
  }
  files.Remove();
}
BENCHMARK(BM_RecoveryFileOfTheStressLevel)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return cw::bench::RunEditorBenchmarks(argc, argv);
}
