#pragma once

#include <string>
#include <vector>

namespace cw::settings {

// A key of the map's world entity, as the settings file names it.
struct WorldKey {
  std::string key;
  std::string value;
  bool operator==(const WorldKey&) const = default;
};

// What a built map carries beyond the text of its templates. Both are off unless the settings
// file sets them, and then the map is what it has always been.
struct MapOptions {
  // [Faces] KeepFlags: a face line's three whole numbers after its y scale (the contents, surface
  // flags and value of a Quake 2 face) are written after the scales instead of being dropped.
  bool keepFaceFlags = false;
  // [World]: keys written into the world entity right after its classname, in file order, so
  // that the map names its texture file (or sky, or message) exactly once.
  std::vector<WorldKey> worldKeys{};
};

}  // namespace cw::settings
