// cryptwright-textures: draws the kit's textures and writes them for Quake, Quake 2 and Heretic II.
//   cryptwright-textures [--palette IN] [--wad OUT.wad] [--wal-folder DIR] [--m8-folder DIR]
//                        [--write-palette OUT]...
// Each game's textures are matched to the palette the game draws them with (Heretic II's .m8
// files carry their own, the kit's), or to the palette read from IN (a 768-byte palette file
// such as Quake's palette.lmp, or a PCX picture such as Quake 2's colormap.pcx).
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "formats/game_palettes.h"
#include "formats/palette_file.h"
#include "platform/file_reader.h"
#include "textures/kit_texture_files.h"

namespace {

constexpr const char* kHelp =
    "Usage: cryptwright-textures [--palette IN] [--wad OUT.wad] [--wal-folder DIR]\n"
    "                            [--m8-folder DIR] [--write-palette OUT]...\n"
    "\n"
    "Draws the textures of the kit's blocks, and the skip texture, and writes them:\n"
    "  --wad OUT.wad        all of them in one Quake WAD2 file (four mip levels each),\n"
    "                       matched to Quake's palette\n"
    "  --wal-folder DIR     one Quake 2 .wal file each, NAME.wal, in the folder DIR,\n"
    "                       matched to Quake 2's palette\n"
    "  --m8-folder DIR      one Heretic II .m8 file each, NAME.m8, in the folder DIR, with\n"
    "                       the kit's palette embedded, matched to it\n"
    "  --write-palette OUT  the palette they were matched to: a PCX picture when OUT ends\n"
    "                       in .pcx (as Quake 2's tools read pics/colormap.pcx), otherwise a\n"
    "                       768-byte palette file; may be given more than once\n"
    "  --palette IN         match them to the palette of IN (a 768-byte palette file such as\n"
    "                       Quake's gfx/palette.lmp, or a PCX picture such as Quake 2's\n"
    "                       pics/colormap.pcx) instead of the game's own palette\n"
    "Quake textures that do not glow never use the palette's last 32 colours, which Quake\n"
    "draws at full brightness; no texture uses colour 255. Each file replaces its target only\n"
    "once it is complete.\n"
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

struct Arguments {
  std::string palette;
  std::string wad;
  std::string walFolder;
  std::string m8Folder;
  std::vector<std::string> paletteFiles;
};

}  // namespace

int main(int argc, char** argv) {
  Arguments arguments;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "--help" || option == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    const bool known = option == "--palette" || option == "--wad" || option == "--wal-folder" ||
                       option == "--m8-folder" || option == "--write-palette";
    if (!known) return UsageError("unknown argument " + std::string(option));
    if (i + 1 == argc || std::string_view(argv[i + 1]).empty()) {
      return UsageError(std::string(option) + " needs a file name");
    }
    const std::string value = argv[++i];
    if (option == "--palette") arguments.palette = value;
    if (option == "--wad") arguments.wad = value;
    if (option == "--wal-folder") arguments.walFolder = value;
    if (option == "--m8-folder") arguments.m8Folder = value;
    if (option == "--write-palette") arguments.paletteFiles.push_back(value);
  }
  const int games =
      !arguments.wad.empty() + !arguments.walFolder.empty() + !arguments.m8Folder.empty();
  if (games == 0 && arguments.paletteFiles.empty()) {
    return UsageError("nothing to write: give --wad, --wal-folder, --m8-folder or --write-palette");
  }
  // A palette file holds the one palette the textures written with it were matched to.
  if (!arguments.paletteFiles.empty() && arguments.palette.empty() && games != 1) {
    return UsageError(
        "--write-palette needs one palette: give --wad, --wal-folder or --m8-folder (they take "
        "Quake's, Quake 2's and the kit's palettes), or --palette");
  }

  std::optional<cw::formats::Palette> given;
  if (!arguments.palette.empty()) {
    const cw::platform::IoValue<std::string> read = cw::platform::ReadWholeFile(arguments.palette);
    if (!read) {
      PrintError(read.error);
      return 1;
    }
    given = cw::formats::DecodePaletteFile(read.value);
    if (!given) {
      PrintError(arguments.palette +
                 ": not a 768-byte palette file or a PCX picture with a palette");
      return 1;
    }
  }
  for (const std::string& folder : {arguments.walFolder, arguments.m8Folder}) {
    std::error_code error;
    if (!folder.empty() && !std::filesystem::is_directory(folder, error)) {
      PrintError(folder + ": not a folder");
      return 1;
    }
  }

  std::vector<cw::textures::OutputFile> files;
  cw::formats::Palette written = given.value_or(cw::formats::Palette{});
  if (!arguments.wad.empty()) {
    written = given.value_or(cw::formats::QuakePalette());
    files.push_back(cw::textures::MakeKitWad(arguments.wad, written));
  }
  if (!arguments.walFolder.empty()) {
    written = given.value_or(cw::formats::Quake2Palette());
    for (cw::textures::OutputFile& wal : cw::textures::MakeKitWals(arguments.walFolder, written)) {
      files.push_back(std::move(wal));
    }
  }
  if (!arguments.m8Folder.empty()) {
    written = given.value_or(cw::textures::KitPalette());
    for (cw::textures::OutputFile& m8 : cw::textures::MakeKitM8s(arguments.m8Folder, written)) {
      files.push_back(std::move(m8));
    }
  }
  for (const std::string& path : arguments.paletteFiles) {
    files.push_back(cw::textures::MakePaletteFile(path, written));
  }

  int status = 0;
  for (const std::string& problem : cw::textures::WriteOutputFiles(files)) {
    PrintError(problem);
    status = 1;
  }
  return status;
}
