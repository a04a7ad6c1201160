// Drawing the floor canvas: the background tiles and the blocks of the current floor.
#include <array>
#include <cstring>
#include <exception>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "document/level_edit.h"
#include "document/records.h"
#include "editor/editor.h"
#include "editor/palette.h"

namespace cw::editor {

using document::kCellSize;

namespace {

// The background tile, made opaque once for plain row copies.
QImage OpaqueTile(const QImage& tile) {
  return tile.convertToFormat(QImage::Format_RGB32);
}

// Covers the whole cells of the canvas with the tile.
void CoverWithTiles(QImage& canvas, const QImage& tile) {
  const int columns = canvas.width() / kCellSize;
  const int rows = canvas.height() / kCellSize;
  for (int column = 0; column < columns; ++column)
    for (int row = 0; row < rows; ++row)
      DrawPicture(canvas, tile, kCellSize * column, kCellSize * row);
}

bool SharesLayout(const QImage& snapshot, const QImage& canvas) {
  return snapshot.size() == canvas.size() && snapshot.format() == canvas.format() &&
         snapshot.bytesPerLine() == canvas.bytesPerLine();
}

// A block as it is drawn: its turned picture and where its top-left corner goes.
struct PlacedPicture {
  const QImage* picture;
  std::int64_t x;
  std::int64_t y;
};

bool IsCellPicture(const QImage& picture) {
  return picture.width() == kCellSize && picture.height() == kCellSize &&
         picture.format() == QImage::Format_RGB32;
}

// The common floor, where the tile and every picture are exactly one opaque cell: each cell then
// shows the last block drawn on it, or the tile when it is whole and has none, so the canvas is
// written once, row after row, instead of block after block down its columns. Each finished row
// goes to the snapshot, of the canvas's layout, while it is still in the cache, when `snapshot`
// is given. Returns false, having drawn nothing, for any other floor.
bool DrawCellFloor(QImage& canvas, const QImage& tile, const std::vector<PlacedPicture>& blocks,
                   QImage* snapshot) {
  if (canvas.depth() != 32 || !IsCellPicture(tile)) return false;
  for (const PlacedPicture& block : blocks)
    if (!IsCellPicture(*block.picture)) return false;
  const std::int64_t width = canvas.width();
  const std::int64_t height = canvas.height();
  const std::int64_t wholeColumns = width / kCellSize;
  const std::int64_t wholeRows = height / kCellSize;
  const std::int64_t columns = (width + kCellSize - 1) / kCellSize;
  const std::int64_t rows = (height + kCellSize - 1) / kCellSize;
  std::vector<const QImage*> shown(static_cast<std::size_t>(columns * rows), nullptr);
  for (const PlacedPicture& block : blocks) {
    const std::int64_t column = block.x / kCellSize;
    const std::int64_t row = block.y / kCellSize;
    if (column >= 0 && column < columns && row >= 0 && row < rows)
      shown[static_cast<std::size_t>(row * columns + column)] = block.picture;
  }
  uchar* const target = canvas.bits();
  const qsizetype stride = canvas.bytesPerLine();
  uchar* const copy = snapshot != nullptr ? snapshot->bits() : nullptr;
  const std::size_t cellBytes = kCellSize * sizeof(QRgb);
  const std::size_t stripBytes = static_cast<std::size_t>(width % kCellSize) * sizeof(QRgb);
  for (std::int64_t y = 0; y < height; ++y) {
    const std::int64_t row = y / kCellSize;
    const int pictureRow = static_cast<int>(y % kCellSize);
    auto* line = reinterpret_cast<QRgb*>(target + y * stride);
    const QImage* const* cell = &shown[static_cast<std::size_t>(row * columns)];
    for (std::int64_t column = 0; column < columns; ++column) {
      const QImage* picture = cell[column];
      if (picture == nullptr) {
        if (column >= wholeColumns || row >= wholeRows) continue;  // a strip no tile covers
        picture = &tile;
      }
      std::memcpy(line + column * kCellSize, picture->constScanLine(pictureRow),
                  column < wholeColumns ? cellBytes : stripBytes);
    }
    if (copy != nullptr) std::memcpy(copy + y * stride, line, static_cast<std::size_t>(stride));
  }
  return true;
}

}  // namespace

void Editor::FillBackground() {
  const std::optional<std::string> tile = DrawablePicture(PictureFileName(kEmptyBlockName));
  if (tile) CoverWithTiles(state_.FloorCanvas, OpaqueTile(LoadPicture(*tile)));
}

void Editor::RedrawFloor() {
  QImage& canvas = state_.FloorCanvas;
  // Without a tile (neither "Empty.bmp" nor the Unknown picture loads) nothing can be drawn.
  const std::string tileFile =
      DrawablePicture(PictureFileName(kEmptyBlockName)).value_or(PictureFileName(kEmptyBlockName));
  const QImage tile = OpaqueTile(LoadPicture(tileFile));
  const std::int32_t floor = state_.floor;

  // The palette's texts, compared exactly; the empty item stands for "Empty", which therefore
  // never matches a record and is drawn as Unknown.
  const std::unordered_set<std::string> paletteNames(state_.palette.begin(), state_.palette.end());

  // The blocks of the floor in list order, each picture file read once per redraw, whatever the
  // number of its blocks, so that a redraw shows every picture as its file is now. A picture that
  // cannot be read is drawn as the Unknown picture, turned by the record's flags.
  struct NamePictures {
    std::optional<std::string> fileName;    // the file drawn; none when no picture can be
    std::array<const QImage*, 9> turned{};  // by flags 0 to 7, then any other flags
  };
  std::unordered_map<std::string, NamePictures> byName;
  std::unordered_map<std::string, std::optional<std::string>> readThisRedraw;
  std::vector<PlacedPicture> blocks;
  std::exception_ptr failure;
  const document::FloorFilter onThisFloor(floor);
  try {
    for (const std::string& text : Level().BlockList) {
      // Most records stand on other floors: those are told apart by their first number alone.
      if (!onThisFloor.Holds(text)) continue;
      // A record that does not parse in full (an empty line of a level file) draws nothing.
      const std::optional<document::BlockRecord> record = document::ParseBlockRecord(text);
      if (!record) continue;
      auto [named, isNew] = byName.try_emplace(record->name);
      NamePictures& pictures = named->second;
      if (isNew) {
        const std::string fileName = PictureFileName(
            paletteNames.contains(record->name) ? record->name
                                                : std::string(document::kUnknownBlockName));
        auto [read, first] = readThisRedraw.try_emplace(fileName);
        if (first) read->second = DrawablePicture(fileName);
        pictures.fileName = read->second;
      }
      if (!pictures.fileName) continue;
      const QImage*& turned = pictures.turned[record->flags >= 0 && record->flags <= 7
                                                  ? static_cast<std::size_t>(record->flags)
                                                  : 8];
      if (!turned) turned = &pictures_.Turned(*pictures.fileName, record->flags);
      blocks.push_back({turned, std::int64_t{kCellSize} * record->column,
                        std::int64_t{kCellSize} * record->row});
    }
  } catch (...) {
    failure = std::current_exception();
  }

  // FloorSnapshot becomes a copy of the canvas, in its own pixels once it has the canvas's
  // layout, so that a redraw takes no new memory. After a failure the canvas shows what came
  // before it, and the snapshot stays as it was.
  QImage* snapshot = nullptr;
  if (!failure) {
    if (!SharesLayout(state_.FloorSnapshot, canvas)) state_.FloorSnapshot = canvas.copy();
    snapshot = &state_.FloorSnapshot;
  }
  if (!DrawCellFloor(canvas, tile, blocks, snapshot)) {
    // Pictures of other sizes are drawn in list order, so that a larger one overlaps its
    // neighbours and a smaller one leaves the tile around it.
    CoverWithTiles(canvas, tile);
    for (const PlacedPicture& block : blocks) DrawPicture(canvas, *block.picture, block.x, block.y);
    if (snapshot != nullptr) {
      std::memcpy(snapshot->bits(), canvas.constBits(),
                  static_cast<std::size_t>(canvas.sizeInBytes()));
    }
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace cw::editor
