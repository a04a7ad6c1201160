// Shared set-up of the editor benchmarks: a folder of block pictures made the current directory,
// the program's windows with services that never block, and levels loaded through Load.
#pragma once

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/level.h"
#include "document/level_file.h"
#include "document/records.h"
#include "editor/editor.h"
#include "forms/start_up.h"
#include "platform/process_runner.h"

namespace cw::bench {

using cw::editor::Editor;
using cw::editor::EditorServices;

// An 8-bit 32 by 32 picture in a 256-colour palette, every picture different.
inline void WritePicture(const QString& path, int seed) {
  QImage picture(32, 32, QImage::Format_Indexed8);
  picture.setColorCount(256);
  for (int i = 0; i < 256; ++i) picture.setColor(i, qRgb(i, (i * 7 + seed) & 255, 255 - i));
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) picture.scanLine(y)[x] = static_cast<uchar>(x * y + seed);
  picture.save(path, "BMP");
}

// A folder of pictures made the current directory for one benchmark.
class PictureFolder {
 public:
  explicit PictureFolder(int blockCount = 16, const std::string& families = "")
      : previous_(QDir::currentPath()) {
    if (!families.empty()) {
      QFile file(folder_.filePath(QStringLiteral("Families.ini")));
      if (file.open(QIODevice::WriteOnly))
        file.write(families.data(), static_cast<qint64>(families.size()));
    }
    WritePicture(folder_.filePath("Empty.bmp"), 0);
    WritePicture(folder_.filePath("Unknown.bmp"), 1);
    for (int i = 0; i < blockCount; ++i)
      WritePicture(folder_.filePath(QStringLiteral("Block%1.bmp").arg(i)), i + 2);
    QDir::setCurrent(folder_.path());
  }
  ~PictureFolder() { QDir::setCurrent(previous_); }
  QString FilePath(const QString& name) const { return folder_.filePath(name); }

 private:
  QTemporaryDir folder_;
  QString previous_;
};

// A process runner that starts nothing: the benchmarks never run a post-build batch.
class NoProcesses final : public cw::platform::ProcessRunner {
 public:
  bool StartDetached(const std::vector<std::string>&) override { return false; }
  std::unique_ptr<cw::platform::WatchedProcess> StartWatched(
      const std::vector<std::string>&) override {
    return nullptr;
  }
  bool WatchesOutput() const override { return false; }
};

// The editor on the program's windows in a picture folder. Its file dialogs answer with the
// level file that LoadLevel() writes; errors go to standard error; Build is never run.
class BenchSession {
 public:
  // `families`: the text of a families file for the folder.
  explicit BenchSession(int blockCount = 16, const std::string& families = "")
      : folder_(blockCount, families),
        editor_(Services()),
        windows_(cw::forms::OpenWindows(editor_)) {}

  bool Started() const { return windows_.has_value(); }
  Editor& editor() { return editor_; }
  cw::forms::EditorWindows& windows() { return *windows_; }

  // Writes the level to a file and loads it through the Load command.
  void LoadLevel(const cw::document::Level& level) {
    answer_ = folder_.FilePath(QStringLiteral("bench.pwl"));
    (void)cw::document::SaveLevelFile(answer_->toStdString(), level);
    editor_.ClickLoad();
  }

 private:
  EditorServices Services() {
    EditorServices services;
    services.chooseFile = [this](const cw::editor::FileDialogRequest&) { return answer_; };
    services.reportError = [](const QString& message) {
      std::fprintf(stderr, "%s\n", qPrintable(message));
    };
    services.processRunner = &noProcesses_;
    services.warn = [](const std::string& message) {
      std::fprintf(stderr, "%s\n", message.c_str());
    };
    return services;
  }

  PictureFolder folder_;
  NoProcesses noProcesses_;
  std::optional<QString> answer_;
  Editor editor_;
  std::optional<cw::forms::EditorWindows> windows_;
};

// Every cell of the default 32 by 32 floor 0 holds a block, over 16 pictures and every orientation.
inline cw::document::Level FullFloor() {
  cw::document::Level level;
  for (int column = 0; column < 32; ++column)
    for (int row = 0; row < 32; ++row)
      level.BlockList.push_back(
          cw::document::FormatBlockRecord({0, column, row, (column + row) % 8,
                                           "Block" + std::to_string((column * 32 + row) % 16)}));
  return level;
}

// The main() of an editor benchmark: the benchmarks run inside a Qt application, on the
// offscreen platform unless another is asked for.
inline int RunEditorBenchmarks(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace cw::bench
