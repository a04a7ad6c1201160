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
#include "forms/start_up.h"

namespace {

using cw::editor::Editor;
using cw::editor::EditorServices;

// An 8-bit 32 by 32 picture in a 256-colour palette, every picture different.
void WritePicture(const QString& path, int seed) {
  QImage picture(32, 32, QImage::Format_Indexed8);
  picture.setColorCount(256);
  for (int i = 0; i < 256; ++i) picture.setColor(i, qRgb(i, (i * 7 + seed) & 255, 255 - i));
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) picture.scanLine(y)[x] = static_cast<uchar>(x * y + seed);
  picture.save(path, "BMP");
}

EditorServices QuietServices() {
  return {[](const cw::editor::FileDialogRequest&) { return std::optional<QString>(); },
          [](const QString& message) { std::fprintf(stderr, "%s\n", qPrintable(message)); },
          [](const std::string&) { return false; }};
}

// A folder of pictures made the current directory for one benchmark.
class PictureFolder {
 public:
  explicit PictureFolder(int blockCount) : previous_(QDir::currentPath()) {
    WritePicture(folder_.filePath("Empty.bmp"), 0);
    WritePicture(folder_.filePath("Unknown.bmp"), 1);
    for (int i = 0; i < blockCount; ++i)
      WritePicture(folder_.filePath(QStringLiteral("Block%1.bmp").arg(i)), i + 2);
    QDir::setCurrent(folder_.path());
  }
  ~PictureFolder() { QDir::setCurrent(previous_); }

 private:
  QTemporaryDir folder_;
  QString previous_;
};

void BM_RedrawFullFloor(benchmark::State& state) {
  PictureFolder folder(16);
  Editor editor(QuietServices());
  auto windows = cw::forms::OpenWindows(editor);
  if (!windows) {
    state.SkipWithError("start-up failed");
    return;
  }
  // 1,024 blocks, one per cell, over 16 pictures and every orientation.
  for (int column = 0; column < 32; ++column)
    for (int row = 0; row < 32; ++row)
      editor.level.BlockList.push_back(
          cw::document::FormatBlockRecord({0, column, row, (column + row) % 8,
                                           "Block" + std::to_string((column * 32 + row) % 16)}));
  for (auto _ : state) {
    editor.RedrawFloor();
    benchmark::DoNotOptimize(editor.FloorSnapshot.constBits());
  }
}
BENCHMARK(BM_RedrawFullFloor)->Unit(benchmark::kMillisecond);

void BM_StartUpWith200Pictures(benchmark::State& state) {
  PictureFolder folder(198);  // with "Empty" and "Unknown": 200 pictures
  for (auto _ : state) {
    Editor editor(QuietServices());
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
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
