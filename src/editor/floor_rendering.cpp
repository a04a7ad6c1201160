#include "editor/editor.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "document/level_edit.h"
#include "document/records.h"
#include "editor/orient_picture.h"
#include "editor/palette.h"

namespace cw::editor {

using document::kCellSize;

void Editor::FillBackground() {
  QImage& canvas = FloorCanvas();
  // One conversion of the tile, then plain row copies for every cell.
  const QImage tile =
      LoadPicture(PictureFileName(kEmptyBlockName)).convertToFormat(QImage::Format_RGB32);
  const int columns = canvas.width() / kCellSize;
  const int rows = canvas.height() / kCellSize;
  for (int column = 0; column < columns; ++column)
    for (int row = 0; row < rows; ++row)
      DrawPicture(canvas, tile, kCellSize * column, kCellSize * row);
}

void Editor::RedrawFloor() {
  FillBackground();
  QImage& canvas = FloorCanvas();
  const std::int32_t floor = CurrentFloor();

  // The palette's texts, compared exactly; the empty item stands for "Empty", which therefore
  // never matches a record and is drawn as Unknown.
  std::unordered_set<std::string> paletteNames;
  for (int i = 0; i < toolBox_->PaletteItemCount(); ++i)
    paletteNames.insert(ToBytes(PaletteItemText(i)));

  // Each picture file is read once per redraw, whatever the number of its blocks, so a redraw
  // shows every picture as its file is now.
  std::unordered_map<std::string, QImage> readThisRedraw;

  for (const std::string& text : state_.level.BlockList) {
    // A record that does not parse in full (an empty line of a level file) draws nothing.
    const std::optional<document::BlockRecord> record = document::ParseBlockRecord(text);
    if (!record || record->floor != floor) continue;
    const std::string& name = paletteNames.contains(record->name)
                                  ? record->name
                                  : std::string(document::kUnknownBlockName);
    const std::string fileName = PictureFileName(name);
    auto found = readThisRedraw.find(fileName);
    if (found == readThisRedraw.end())
      found = readThisRedraw.emplace(fileName, LoadPicture(fileName)).first;
    QImage picture = found->second;
    OrientPicture(picture, record->flags);
    DrawPicture(canvas, picture, std::int64_t{kCellSize} * record->column,
                std::int64_t{kCellSize} * record->row);
  }
  state_.FloorSnapshot = canvas.copy();
}

}  // namespace cw::editor
