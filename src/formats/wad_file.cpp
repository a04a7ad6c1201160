#include "formats/wad_file.h"

#include <cassert>
#include <cstdint>

#include "platform/little_endian.h"
#include "platform/number_format.h"

namespace cw::formats {
namespace {

constexpr std::size_t kWadHeaderSize = 12;
constexpr std::size_t kWadEntrySize = 32;
constexpr std::size_t kWadNameSize = 16;
constexpr std::size_t kMiptexHeaderSize = kWadNameSize + 4 * 6;
constexpr char kMiptexType = 'D';

void AppendLumpName(std::string& out, std::string_view name) {
  assert(!name.empty() && name.size() <= kMaxWadTextureName &&
         name.find('\0') == std::string_view::npos);
  AppendNameField(out, name, kWadNameSize);
}

std::string MiptexLump(const MipTexture& texture) {
  std::string lump;
  AppendLumpName(lump, texture.name);
  platform::AppendLittleEndian(lump, static_cast<std::uint32_t>(texture.width), 4);
  platform::AppendLittleEndian(lump, static_cast<std::uint32_t>(texture.height), 4);
  std::size_t offset = kMiptexHeaderSize;
  for (int i = 0; i < 4; ++i) {
    platform::AppendLittleEndian(lump, static_cast<std::uint32_t>(offset), 4);
    offset += MipLevelSize(texture.width, texture.height, i);
  }
  for (const std::vector<std::uint8_t>& level : texture.levels)
    lump.append(level.begin(), level.end());
  return lump;
}

std::string EntryProblem(std::size_t index, std::string_view what) {
  return "directory entry " + platform::DecimalText(static_cast<std::int64_t>(index) + 1) + " " +
         std::string(what);
}

}  // namespace

std::string EncodeWad2(const std::vector<MipTexture>& textures) {
  std::string out = "WAD2";
  std::string directory;
  std::string lumps;
  for (const MipTexture& texture : textures) {
    assert(IsMipTextureSize(texture.width, texture.height));
    const std::string lump = MiptexLump(texture);
    const auto size = static_cast<std::uint32_t>(lump.size());
    platform::AppendLittleEndian(directory,
                                 static_cast<std::uint32_t>(kWadHeaderSize + lumps.size()), 4);
    platform::AppendLittleEndian(directory, size, 4);
    platform::AppendLittleEndian(directory, size, 4);
    directory += kMiptexType;
    directory.append(3, '\0');  // no compression, two bytes of padding
    AppendLumpName(directory, texture.name);
    lumps += lump;
  }
  platform::AppendLittleEndian(out, static_cast<std::uint32_t>(textures.size()), 4);
  platform::AppendLittleEndian(out, static_cast<std::uint32_t>(kWadHeaderSize + lumps.size()), 4);
  return out + lumps + directory;
}

Wad2Directory ReadWad2Directory(std::string_view bytes) {
  Wad2Directory read;
  if (bytes.size() < kWadHeaderSize || bytes.substr(0, 4) != "WAD2") {
    read.problem = "not a WAD2 file";
    return read;
  }
  const std::size_t count = platform::ReadWord(bytes, 4);
  const std::size_t directory = platform::ReadWord(bytes, 8);
  if (directory > bytes.size() || count > (bytes.size() - directory) / kWadEntrySize) {
    read.problem = "the directory does not lie inside the file";
    return read;
  }
  read.entries.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view entry = bytes.substr(directory + i * kWadEntrySize, kWadEntrySize);
    read.entries.push_back({platform::ReadWord(entry, 0), platform::ReadWord(entry, 4),
                            platform::ReadWord(entry, 8), entry[12], entry[13],
                            ReadNameField(entry.substr(16, kWadNameSize))});
  }
  return read;
}

Wad2Read DecodeWad2(std::string_view bytes) {
  Wad2Read read;
  Wad2Directory directory = ReadWad2Directory(bytes);
  if (!directory.problem.empty()) {
    read.problem = std::move(directory.problem);
    return read;
  }
  for (std::size_t i = 0; i < directory.entries.size(); ++i) {
    Wad2Entry& entry = directory.entries[i];
    if (entry.type != kMiptexType || entry.compression != 0 || entry.unpackedSize != entry.size) {
      read.problem = EntryProblem(i, "is not an uncompressed texture");
      return read;
    }
    if (entry.offset > bytes.size() || entry.size > bytes.size() - entry.offset ||
        entry.size < kMiptexHeaderSize) {
      read.problem = EntryProblem(i, "does not lie inside the file");
      return read;
    }
    const std::string_view lump = bytes.substr(entry.offset, entry.size);
    MipTexture texture;
    texture.name = std::move(entry.name);
    const std::uint32_t width = platform::ReadWord(lump, 16);
    const std::uint32_t height = platform::ReadWord(lump, 20);
    const std::uint32_t offsets[4] = {platform::ReadWord(lump, 24), platform::ReadWord(lump, 28),
                                      platform::ReadWord(lump, 32), platform::ReadWord(lump, 36)};
    texture.width = width > 4096 ? 0 : static_cast<int>(width);
    texture.height = height > 4096 ? 0 : static_cast<int>(height);
    if (!IsMipTextureSize(texture.width, texture.height)) {
      read.problem = EntryProblem(i, "is not a texture of a size that is a multiple of 16");
      return read;
    }
    if (!ReadMipLevels(lump, offsets, texture)) {
      read.problem = EntryProblem(i, "has a mip level outside its lump");
      return read;
    }
    read.textures.push_back(std::move(texture));
  }
  return read;
}

}  // namespace cw::formats
