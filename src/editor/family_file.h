#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/family_set.h"

namespace cw::editor {

// The families file of a kit, beside the settings file; the editor only reads it.
inline constexpr const char* kFamiliesFileName = "Families.ini";

// The layout, with ";" lines as comments and keys in any letter case:
//
//   [Variants]
//   Pattern=7                       mixed into the variants' choice (a whole 32-bit number)
//   [Family Wall]                   a family and its name
//   Alone=Cell                      per shape the block that draws it in its base orientation
//   End=WallEnd                     (see BaseSides) ...
//   Cross=Floor 3, FloorCracked     ... or several, each with an optional weight (1 by default)
//
// A family needs a block for each of the six shapes: Alone, End, Straight, Corner, T and Cross.
struct FamiliesRead {
  FamilySet set;
  std::vector<std::string> warnings;  // "Families.ini, line 4: ..."; names quoted
};

// Reads the text of a families file leniently: a bad line, a bad block or a bad weight is left
// out with a warning and the rest is read; a family that lacks a shape is left out whole.
FamiliesRead ParseFamilies(std::string_view bytes, std::string_view fileName = kFamiliesFileName);

// Reads the families file: a missing file gives no families and no warning (the kit has none), a
// file that cannot be read gives no families and one warning.
FamiliesRead ReadFamiliesFile(const std::string& path);

}  // namespace cw::editor
