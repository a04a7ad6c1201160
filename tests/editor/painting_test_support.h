// Shared by the tests of families, regions and fill.
#pragma once

#include <QImage>
#include <string>
#include <utility>
#include <vector>

#include "document/level.h"
#include "document/level_edit.h"
#include "document/list_edit.h"
#include "editor/family_set.h"
#include "editor/orient_picture.h"

namespace cw::testing {

// A family whose blocks are named after the shapes they draw.
inline editor::Family ShapesFamily() {
  editor::Family family{"Line", {}};
  const char* names[] = {"Alone", "End", "Straight", "Corner", "T", "Cross"};
  for (int shape = 0; shape < editor::kShapeCount; ++shape) family.pieces[shape] = {{names[shape]}};
  return family;
}

inline document::Level MakeLevel(std::vector<std::string> blocks,
                                 std::vector<std::string> links = {}) {
  document::Level level;
  level.BlockList = std::move(blocks);
  level.LinkList = std::move(links);
  return level;
}

// The level's two lists, to compare levels whole.
inline std::pair<std::vector<std::string>, std::vector<std::string>> Lists(
    const document::Level& level) {
  return {level.BlockList, level.LinkList};
}

// Takes a command back as the history's undo does: its edits reverted, the last first.
inline void Revert(document::Level& level, const std::vector<document::ListEdit>& edits) {
  for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit) document::RevertEdit(level, *edit);
}

// The floor as the floor view turns each block's picture, three characters by three per cell:
// the pictures of ShapesFamily's blocks are a centre dot and a line to each side the piece joins
// in orientation 0; an empty cell is all dots, any other block all "?".
inline std::string DrawFloor(const document::Level& level, int floor, int columns, int rows) {
  const auto picture = [](const std::string& name) -> std::vector<const char*> {
    if (name == "Alone") return {"...", ".#.", "..."};
    if (name == "End") return {"...", ".#.", ".#."};
    if (name == "Straight") return {".#.", ".#.", ".#."};
    if (name == "Corner") return {"...", ".##", ".#."};
    if (name == "T") return {"...", "###", ".#."};
    if (name == "Cross") return {".#.", "###", ".#."};
    return {"???", "???", "???"};
  };
  std::vector<std::string> lines(3 * rows, std::string(3 * columns, '.'));
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      const auto record = document::FindBlockAt(level, {floor, column, row});
      if (!record) continue;
      QImage image(3, 3, QImage::Format_RGB32);
      const std::vector<const char*> rowsOfPicture = picture(record->name);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) image.setPixel(x, y, static_cast<uint>(rowsOfPicture[y][x]));
      editor::OrientPicture(image, record->flags);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
          lines[3 * row + y][3 * column + x] = static_cast<char>(image.pixel(x, y) & 0xFF);
    }
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace cw::testing
