#include "editor/palette.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_files.h"

namespace cw::editor {
namespace {

using cw::testing::TempDir;
using cw::testing::WriteFileBytes;

// The palette of a folder as the list shows it.
QStringList ShownItemsOf(const std::string& folder) {
  std::vector<std::string> items = ScanPaletteItems(folder).items;
  SortPaletteItems(items);
  QStringList shown;
  for (const std::string& item : items) shown.append(DisplayName(item));
  return shown;
}

QStringList SortedItemsOf(std::initializer_list<const char*> files) {
  TempDir folder;
  for (const char* file : files) WriteFileBytes(folder.path() / file, "x");
  return ShownItemsOf(folder.path().string());
}

TEST(Palette, ItemsAreThePictureNamesSortedWithoutRegardToCase) {
  struct Case {
    std::initializer_list<const char*> files;
    QStringList items;
  } cases[] = {
      {{"B.bmp", "a.bmp", "Empty.bmp"}, {"", "a", "B"}},
      // Only "Empty" exactly is the empty item; the extension's case does not matter.
      {{"EMPTY.BMP", "Empty.bmp"}, {"", "EMPTY"}},
      {{"Empty.BMP", "c.Bmp"}, {"", "c"}},
      {{"empty.bmp"}, {"empty"}},
      // Names equal but for case keep a fixed order.
      {{"ab.bmp", "AB.bmp", "Ab.bmp", "aC.bmp"}, {"AB", "Ab", "ab", "aC"}},
      // Other files, names too short for the extension, hidden files.
      {{"A.map", "notes.txt", "bmp", ".bmp", ".hidden.bmp", "x.bmp.txt", "Wall.bmp"}, {"Wall"}},
      // Long names are whole.
      {{"AVeryLongBlockNameIndeedMuchLongerThanFifteen.bmp"},
       {"AVeryLongBlockNameIndeedMuchLongerThanFifteen"}},
      {{}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.items.join(',').toStdString());
    EXPECT_EQ(SortedItemsOf(c.files), c.items);
  }
}

TEST(Palette, FoldersAndBrokenLinksAreNotPictures) {
  TempDir folder;
  std::filesystem::create_directory(folder.path() / "Room.bmp");
  std::filesystem::create_symlink(folder.path() / "missing", folder.path() / "Gone.bmp");
  WriteFileBytes(folder.path() / "Wall.bmp", "x");
  std::filesystem::create_symlink(folder.path() / "Wall.bmp", folder.path() / "Door.bmp");
  EXPECT_EQ(ShownItemsOf(folder.path().string()), QStringList({"Door", "Wall"}));
}

TEST(Palette, TheEmptyItemStandsForTheEmptyPicture) {
  EXPECT_EQ(ItemPictureFileName(""), "Empty.bmp");
  EXPECT_EQ(ItemPictureFileName("Wall"), "Wall.bmp");
  EXPECT_EQ(ItemPictureFileName("Tür"), "Tür.bmp");
}

}  // namespace
}  // namespace cw::editor
