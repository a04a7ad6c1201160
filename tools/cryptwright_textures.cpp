// cryptwright-textures: draws the kit's textures and writes them for Quake and Quake 2.
//   cryptwright-textures [--palette IN] [--wad OUT.wad] [--wal-folder DIR] [--write-palette OUT]
// The textures are matched to the kit's own palette, or to the palette read from IN (a 768-byte
// palette file such as Quake's palette.lmp, or a PCX picture such as Quake 2's colormap.pcx).
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "kit/kit_texture_files.h"
#include "kit/texture_palette.h"
#include "platform/file_reader.h"

namespace {

constexpr const char* kHelp =
    "Usage: cryptwright-textures [--palette IN] [--wad OUT.wad] [--wal-folder DIR]\n"
    "                            [--write-palette OUT]\n"
    "\n"
    "Draws the textures of the kit's blocks and writes them:\n"
    "  --wad OUT.wad        all of them in one Quake WAD2 file (four mip levels each)\n"
    "  --wal-folder DIR     one Quake 2 .wal file each, NAME.wal, in the folder DIR\n"
    "  --write-palette OUT  the palette they were matched to, as a 768-byte palette file\n"
    "  --palette IN         match them to the palette of IN (a 768-byte palette file such as\n"
    "                       Quake's gfx/palette.lmp, or a PCX picture such as Quake 2's\n"
    "                       pics/colormap.pcx) instead of the kit's own palette\n"
    "Textures that do not glow never use the palette's last 32 colours, which Quake draws at\n"
    "full brightness. Each file replaces its target only once it is complete.\n"
    "\n"
    "Exit status: 0 when every file was written, 1 when a file could not be read or written,\n"
    "2 when the arguments are wrong.\n";

int UsageError(const std::string& message) {
  std::fprintf(stderr, "cryptwright-textures: %s; try 'cryptwright-textures --help'\n",
               message.c_str());
  return 2;
}

void PrintError(const std::string& message) {
  std::fprintf(stderr, "cryptwright-textures: %s\n", message.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  std::string palettePath;
  cw::kit::TextureDestinations where;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "--help" || option == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    std::string* value = option == "--palette"         ? &palettePath
                         : option == "--wad"           ? &where.wad
                         : option == "--wal-folder"    ? &where.walFolder
                         : option == "--write-palette" ? &where.palette
                                                       : nullptr;
    if (!value) return UsageError("unknown argument " + std::string(option));
    if (i + 1 == argc || std::string_view(argv[i + 1]).empty()) {
      return UsageError(std::string(option) + " needs a file name");
    }
    *value = argv[++i];
  }
  if (where.wad.empty() && where.walFolder.empty() && where.palette.empty()) {
    return UsageError("nothing to write: give --wad, --wal-folder or --write-palette");
  }

  cw::kit::Palette palette = cw::kit::KitPalette();
  if (!palettePath.empty()) {
    const cw::platform::ReadResult read = cw::platform::ReadWholeFile(palettePath);
    if (read.status != cw::platform::ReadStatus::kOk) {
      PrintError(read.error);
      return 1;
    }
    const std::optional<cw::kit::Palette> given = cw::kit::DecodePaletteFile(read.bytes);
    if (!given) {
      PrintError(palettePath + ": not a 768-byte palette file or a PCX picture with a palette");
      return 1;
    }
    palette = *given;
  }
  std::error_code error;
  if (!where.walFolder.empty() && !std::filesystem::is_directory(where.walFolder, error)) {
    PrintError(where.walFolder + ": not a folder");
    return 1;
  }

  int status = 0;
  for (const std::string& problem :
       cw::kit::WriteKitTextureFiles(cw::kit::MakeKitTextureFiles(palette), where)) {
    PrintError(problem);
    status = 1;
  }
  return status;
}
