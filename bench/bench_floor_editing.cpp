// Floor editing timings: mouse moves during a link drag, and a floor change on a full floor with
// 500 links in link mode. The pictures are made in a temporary folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "document/records.h"
#include "editor/editor.h"
#include "editor_bench_support.h"
#include "forms/start_up.h"
#include "forms/tool_box_form.h"

namespace {

using namespace cw::bench;

// Each move takes the old rubber band off and draws the new one: long lines across the canvas.
void BM_DragMouseMoves(benchmark::State& state) {
  BenchSession session(16);
  if (!session.Started()) {
    state.SkipWithError("start-up failed");
    return;
  }
  session.LoadLevel(FullFloor());
  session.windows().toolBox->Links->setChecked(true);
  Editor& editor = session.editor();
  editor.PressFloor(Qt::LeftButton, Qt::NoModifier, 20, 20);
  int i = 0;
  for (auto _ : state) {
    ++i;
    editor.MoveOnFloor(Qt::NoModifier, 1000 - (i % 200), 700 + (i % 300));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DragMouseMoves);

// A floor change in link mode on a full floor with 500 links, some to other floors: Page Up on
// the top floor, which draws that floor again in full.
void BM_FloorChangeWith500Links(benchmark::State& state) {
  BenchSession session(16);
  if (!session.Started()) {
    state.SkipWithError("start-up failed");
    return;
  }
  cw::document::Level level;
  // Floor 0's records moved to floor 7: their first character is the floor.
  for (std::string record : FullFloor().BlockList) {
    record[0] = '7';
    level.BlockList.push_back(std::move(record));
  }
  for (int i = 0; i < 500; ++i) {
    const int endFloor = i % 5 == 0 ? 6 : 7;
    level.LinkList.push_back(cw::document::FormatLinkRecord(
        {7, i % 32, (i / 32) % 32, endFloor, (i * 7) % 32, (i * 13) % 32}));
  }
  session.LoadLevel(level);
  session.windows().toolBox->Links->setChecked(true);
  Editor& editor = session.editor();
  editor.SetFloorSelector(7);
  for (auto _ : state) {
    editor.PressFloorKey(Qt::Key_PageUp, Qt::NoModifier);
    benchmark::DoNotOptimize(editor.State().FloorCanvas.constBits());
  }
}
BENCHMARK(BM_FloorChangeWith500Links)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return cw::bench::RunEditorBenchmarks(argc, argv);
}
