// Shared set-up of the editor benchmarks: a folder of block pictures made the current directory,
// services that never block, and a full floor.
#pragma once

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>
#include <string>

#include "document/records.h"
#include "editor/editor.h"

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

inline EditorServices QuietServices() {
  return {[](const cw::editor::FileDialogRequest&) { return std::optional<QString>(); },
          [](const QString& message) { std::fprintf(stderr, "%s\n", qPrintable(message)); },
          [](const std::string&) { return false; }};
}

// A folder of pictures made the current directory for one benchmark.
class PictureFolder {
 public:
  explicit PictureFolder(int blockCount = 16) : previous_(QDir::currentPath()) {
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

// Every cell of the default 32 by 32 floor 0 holds a block, over 16 pictures and every orientation.
inline void FillFloor(Editor& editor) {
  for (int column = 0; column < 32; ++column)
    for (int row = 0; row < 32; ++row)
      editor.level.BlockList.push_back(
          cw::document::FormatBlockRecord({0, column, row, (column + row) % 8,
                                           "Block" + std::to_string((column * 32 + row) % 16)}));
}

}  // namespace cw::bench
