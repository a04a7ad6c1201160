// Fill: the connected empty cells around a cell, within the floor's grid.
#include "editor/fill.h"

#include <gtest/gtest.h>

#include "editor/painting_test_support.h"

namespace cw::editor {
namespace {

using Strings = std::vector<std::string>;

// Each cell of floor 0 as the first letter of its block's name, "." when empty.
Strings Letters(const document::Level& level, int columns, int rows) {
  Strings lines(rows, std::string(columns, '.'));
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column)
      if (const auto record = document::FindBlockAt(level, {0, column, row}))
        lines[row][column] = record->name[0];
  return lines;
}

TEST(Fill, TheEmptyCellsConnectedToTheStartWithinTheGridGetTheBlock) {
  const Strings walls = {"WWWWW.", "W...W.", "W.W.W.", "WWWWW.", "......"};
  document::Level level;
  for (int row = 0; row < 5; ++row)
    for (int column = 0; column < 6; ++column)
      if (walls[row][column] == 'W')
        level.BlockList.push_back(document::FormatBlockRecord({0, column, row, 0, "W"}));
  struct Case {
    document::Cell start;
    Grid grid;
    Strings filled;
  };
  const Case cases[] = {
      {{0, 1, 1}, {6, 5}, {"WWWWW.", "WFFFW.", "WFWFW.", "WWWWW.", "......"}},
      {{0, 5, 4}, {6, 5}, {"WWWWWF", "W...WF", "W.W.WF", "WWWWWF", "FFFFFF"}},
      {{0, 5, 4}, {6, 4}, walls},      // off the grid
      {{0, 0, 0}, {6, 5}, walls},      // not empty
      {{0, 5, 4}, {300, 300}, walls},  // 89,980 cells: more than a fill may change
  };
  for (const Case& c : cases) {
    document::Level filled = level;
    FillBlock(filled, c.start, 2, "F", c.grid);
    EXPECT_EQ(Letters(filled, 6, 5), c.filled) << c.start.column << " " << c.grid.columns;
  }
  // Row by row, in the orientation given.
  document::Level filled = level;
  FillBlock(filled, {0, 3, 2}, 2, "F", {6, 5});
  EXPECT_EQ(Strings(filled.BlockList.end() - 5, filled.BlockList.end()),
            (Strings{"0 1 1 2 F", "0 2 1 2 F", "0 3 1 2 F", "0 1 2 2 F", "0 3 2 2 F"}));
}

}  // namespace
}  // namespace cw::editor
