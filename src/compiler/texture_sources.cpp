#include "compiler/texture_sources.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "formats/wad_file.h"
#include "platform/file_reader.h"

namespace cw::compiler {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The file name of a path written with either separator.
std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::vector<std::string> WadPathsOf(const settings::Settings& settings) {
  std::vector<std::string> paths;
  for (const settings::WorldKey& key : settings.block.map.worldKeys) {
    // Keys of the world compare without case, as the compilers read them.
    if (WadTextureKey(key.key) != "wad") continue;
    std::size_t start = 0;
    while (start <= key.value.size()) {
      const std::size_t end = std::min(key.value.find(';', start), key.value.size());
      const std::string part = Trimmed(key.value.substr(start, end - start));
      if (!part.empty()) paths.push_back(part);
      start = end + 1;
    }
  }
  return paths;
}

std::optional<std::string> ReadKitWad(const std::string& path) {
  for (const std::string& candidate : {path, FileNameOf(path)}) {
    platform::IoValue<std::string> read = platform::ReadWholeFile(candidate);
    if (read) return std::move(read.value);
  }
  return std::nullopt;
}

std::string WadTextureKey(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name;
}

std::string WalTexturePath(const std::string& name) {
  return "textures/" + name + ".wal";
}

std::vector<std::string> M8TexturePaths(const std::string& name) {
  return {"textures/" + name + ".m8", "base/textures/" + name + ".m8"};
}

TextureFinder::TextureFinder(std::vector<std::string> wadPaths) : wadPaths_(std::move(wadPaths)) {}

TextureSource TextureFinder::Find(const std::string& name) {
  const auto known = found_.find(name);
  if (known != found_.end()) return known->second;
  if (!wadNames_) {
    wadNames_.emplace();
    for (const std::string& path : wadPaths_) {
      const std::optional<std::string> bytes = ReadKitWad(path);
      if (!bytes) continue;
      // A directory that cannot be read whole still names the lumps read before the problem.
      for (const formats::Wad2Entry& entry : formats::ReadWad2Directory(*bytes).entries) {
        wadNames_->insert(WadTextureKey(entry.name));
      }
    }
  }
  TextureSource source = TextureSource::kNowhere;
  if (wadNames_->contains(WadTextureKey(name))) {
    source = TextureSource::kWad;
  } else if (IsFile(WalTexturePath(name))) {
    source = TextureSource::kWal;
  } else {
    for (const std::string& path : M8TexturePaths(name)) {
      if (IsFile(path)) source = TextureSource::kM8;
    }
  }
  return found_.emplace(name, source).first->second;
}

}  // namespace cw::compiler
