#pragma once

#include <QString>
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
// The items keep the bytes of the file names, whatever their encoding, so that a block record,
// its picture and its template all use the same bytes.
struct PaletteScan {
  std::vector<std::string> items;    // block names; "" for the empty item
  std::vector<std::string> refused;  // file names, each control character shown as "?"
};
PaletteScan ScanPaletteItems(const std::string& folder);

// The palette order: alphabetical by the shown names without regard to case (so the empty item
// comes first), names equal but for case by their exact text, then in their original order.
void SortPaletteItems(std::vector<std::string>& items);

// The picture file of a palette item: the empty item is "Empty.bmp".
std::string ItemPictureFileName(const std::string& item);

// A name as the palette and the label show it: UTF-8 where its bytes are UTF-8, else each byte
// its Latin-1 character (a name written on an older system, "For\xEAt" showing "Forêt").
QString DisplayName(const std::string& bytes);

}  // namespace cw::editor
