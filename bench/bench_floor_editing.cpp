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
#include "forms/start_up.h"
#include "forms/tool_box_form.h"

namespace {

using cw::editor::Editor;
using cw::editor::EditorServices;

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

// A folder with "Empty", "Unknown" and 16 block pictures, made the current directory.
class PictureFolder {
 public:
  PictureFolder() : previous_(QDir::currentPath()) {
    WritePicture(folder_.filePath("Empty.bmp"), 0);
    WritePicture(folder_.filePath("Unknown.bmp"), 1);
    for (int i = 0; i < 16; ++i)
      WritePicture(folder_.filePath(QStringLiteral("Block%1.bmp").arg(i)), i + 2);
    QDir::setCurrent(folder_.path());
  }
  ~PictureFolder() { QDir::setCurrent(previous_); }

 private:
  QTemporaryDir folder_;
  QString previous_;
};

// Every cell of the default 32 by 32 floor 0 holds a block.
void FillFloor(Editor& editor) {
  for (int column = 0; column < 32; ++column)
    for (int row = 0; row < 32; ++row)
      editor.level.BlockList.push_back(
          cw::document::FormatBlockRecord({0, column, row, (column + row) % 8,
                                           "Block" + std::to_string((column * 32 + row) % 16)}));
}

// Each move takes the old rubber band off and draws the new one: long lines across the canvas.
void BM_DragMouseMoves(benchmark::State& state) {
  PictureFolder folder;
  Editor editor(QuietServices());
  auto windows = cw::forms::OpenWindows(editor);
  if (!windows) {
    state.SkipWithError("start-up failed");
    return;
  }
  FillFloor(editor);
  editor.RedrawFloor();
  windows->toolBox->Links->setChecked(true);
  editor.FloorMouseDown(Qt::LeftButton, Qt::NoModifier, 20, 20);
  int i = 0;
  for (auto _ : state) {
    ++i;
    editor.FloorMouseMove(Qt::NoModifier, 1000 - (i % 200), 700 + (i % 300));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DragMouseMoves);

// A floor change in link mode on a full floor with 500 links, some to other floors.
void BM_FloorChangeWith500Links(benchmark::State& state) {
  PictureFolder folder;
  Editor editor(QuietServices());
  auto windows = cw::forms::OpenWindows(editor);
  if (!windows) {
    state.SkipWithError("start-up failed");
    return;
  }
  FillFloor(editor);
  for (int i = 0; i < 500; ++i) {
    const int endFloor = i % 5 == 0 ? 1 : 0;
    editor.level.LinkList.push_back(cw::document::FormatLinkRecord(
        {0, i % 32, (i / 32) % 32, endFloor, (i * 7) % 32, (i * 13) % 32}));
  }
  windows->toolBox->Links->setChecked(true);
  for (auto _ : state) {
    editor.UpDown1Click();
    benchmark::DoNotOptimize(editor.FloorCanvas().constBits());
  }
}
BENCHMARK(BM_FloorChangeWith500Links)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
