#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "settings/settings.h"

namespace cw::compiler {

// Where the map compilers find a face texture of the kit, looked for in this order: in the WAD2
// files that the world's "wad" key names (Quake), as textures/NAME.wal (Quake 2), or as
// textures/NAME.m8 (the Heretic II kit's own folder, which its batch copies into the game) or
// base/textures/NAME.m8 (a working folder inside the game's).
enum class TextureSource { kWad, kWal, kM8, kNowhere };

// The WAD2 files of the world's "wad" keys in order: each part of a value between ';', without
// surrounding blanks; empty parts are left out.
std::vector<std::string> WadPathsOf(const settings::Settings& settings);
// The bytes of a WAD the wad key names: the file as written, else the file of that name in the
// working folder (the key names it as the compiler's machine sees it). Empty when neither reads.
std::optional<std::string> ReadKitWad(const std::string& path);
// A texture name as WAD names are compared, without case.
std::string WadTextureKey(std::string name);
std::string WalTexturePath(const std::string& name);
// The kit's .m8 file, then the game's.
std::vector<std::string> M8TexturePaths(const std::string& name);

// Looks texture names up in the working folder; each WAD's directory is read once, at the first
// name, and each name looked up once. WAD names compare without case, as the compilers do.
class TextureFinder {
 public:
  explicit TextureFinder(std::vector<std::string> wadPaths);

  TextureSource Find(const std::string& name);

 private:
  std::vector<std::string> wadPaths_;
  std::optional<std::set<std::string>> wadNames_;
  std::map<std::string, TextureSource> found_;
};

// Whether a face texture is found anywhere a compiler looks.
using TextureCheck = std::function<bool(const std::string& textureName)>;

}  // namespace cw::compiler
