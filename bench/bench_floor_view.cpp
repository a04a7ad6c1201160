// Floor view timings: RedrawFloor of a full default floor, and the start-up of the windows with a
// large palette. Run from any folder; the pictures are made in a temporary folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "document/records.h"
#include "editor/editor.h"
#include "editor_bench_support.h"
#include "forms/start_up.h"

namespace {

using namespace cw::bench;

void BM_RedrawFullFloor(benchmark::State& state) {
  BenchSession session(16);
  if (!session.Started()) {
    state.SkipWithError("start-up failed");
    return;
  }
  session.LoadLevel(FullFloor());  // 1,024 blocks
  for (auto _ : state) {
    session.editor().RedrawFloor();
    benchmark::DoNotOptimize(session.editor().State().FloorSnapshot.constBits());
  }
}
BENCHMARK(BM_RedrawFullFloor)->Unit(benchmark::kMillisecond);

void BM_StartUpWith200Pictures(benchmark::State& state) {
  PictureFolder folder(198);  // with "Empty" and "Unknown": 200 pictures
  for (auto _ : state) {
    Editor editor({});
    auto windows = cw::forms::OpenWindows(editor);
    if (!windows) {
      state.SkipWithError("start-up failed");
      return;
    }
    QApplication::processEvents();  // the windows are shown and painted once
    benchmark::DoNotOptimize(windows->floorView.get());
  }
}
BENCHMARK(BM_StartUpWith200Pictures)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return cw::bench::RunEditorBenchmarks(argc, argv);
}
