#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace cw::editor {

// The palette item of the background picture "Empty.bmp": an empty text.
inline constexpr const char* kEmptyBlockName = "Empty";

// The palette items of a folder: one for each ordinary, non-hidden file whose name ends in ".bmp"
// (in any letter case), its name less the last four characters; "Empty" exactly (case-sensitive)
// becomes the empty item. In the order the file system lists them. A picture whose name holds a
// control character (a line feed, a carriage return, byte 26...) is refused: its name would
// break the lines of the level file and of the map.
struct PaletteScan {
  QStringList items;
  std::vector<std::string> refused;  // file names, each control character shown as "?"
};
PaletteScan ScanPaletteItems(const std::string& folder);

// The palette order: alphabetical without regard to case (so the empty item comes first), names
// equal but for case by their exact text, then in their original order.
void SortPaletteItems(QStringList& items);

// The picture file of a palette item: the empty item is "Empty.bmp".
std::string ItemPictureFileName(const QString& itemText);

// Texts of names and paths: the bytes of the file system's names, in the program's strings.
std::string ToBytes(const QString& text);
QString FromBytes(const std::string& bytes);

}  // namespace cw::editor
