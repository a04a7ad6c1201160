#include "stress_level.h"

#include <stdlib.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "document/level_file.h"

namespace cw::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kTemplates = 16;
constexpr int kBrushes = 10;
constexpr int kLinks = 2000;

// One brush: an axis-aligned box of six faces with textures offset and scaled. Each face's
// points are given counter-clockwise seen from outside and written the other way round, as the
// Quake compilers take them (the solid behind the plane).
void AppendBox(std::string& out, int x0, int y0, int z0, int size, int variant) {
  const int x1 = x0 + size, y1 = y0 + size, z1 = z0 + size;
  const std::string tex = " STONE/WALL" + std::to_string(variant % 7);
  const std::string scales = variant % 3 == 0 ? " 0.5 0.5" : (variant % 3 == 1 ? " 1 1" : " 0.3 2");
  auto face = [&](int cx, int cy, int cz, int bx, int by, int bz, int ax, int ay, int az) {
    out += "( " + std::to_string(ax) + " " + std::to_string(ay) + " " + std::to_string(az) +
           " ) ( " + std::to_string(bx) + " " + std::to_string(by) + " " + std::to_string(bz) +
           " ) ( " + std::to_string(cx) + " " + std::to_string(cy) + " " + std::to_string(cz) +
           " )" + tex + " " + std::to_string(variant * 8 % 64) + " " +
           std::to_string(variant * 16 % 64) + " 0" + scales + "\r\n";
  };
  out += "{\r\n";
  face(x0, y0, z0, x0, y1, z0, x1, y1, z0);  // bottom
  face(x0, y0, z1, x1, y0, z1, x1, y1, z1);  // top
  face(x0, y0, z0, x0, y0, z1, x0, y1, z1);  // west
  face(x1, y0, z0, x1, y1, z0, x1, y1, z1);  // east
  face(x0, y0, z0, x1, y0, z0, x1, y0, z1);  // south
  face(x0, y1, z0, x0, y1, z1, x1, y1, z1);  // north
  out += "}\r\n";
}

}  // namespace

std::string StressTemplateName(int index) {
  return "Stress" + std::to_string(index);
}

std::string StressTemplate(int index) {
  std::string out = "{\r\n\"classname\" \"worldspawn\"\r\n";
  for (int b = 0; b < kBrushes; ++b) {
    AppendBox(out, -64 + (b % 3) * 40, -64 + (b / 3) * 40, (b * 8) % 48, 24, index + b);
  }
  out += "}\r\n";
  out += "{\r\n\"classname\" \"light\"\r\n\"origin\" \"16 -8 96\"\r\n\"light\" \"200\"\r\n}\r\n";
  out += "{\r\n\"classname\" \"func_door\"\r\n\"targetname\" \"t0\"\r\n\"angle\" \"" +
         std::to_string(index * 45 % 360) + "\"\r\n\"distance\" \"-32\"\r\n";
  AppendBox(out, -16, -16, 0, 32, index);
  out += "}\r\n";
  out += "{\r\n\"classname\" \"trigger_multiple\"\r\n\"origin\" \"0 32 8\"\r\n\"target\" \"" +
         std::string(index % 2 ? "kexit" : "t0") + "\"\r\n}\r\n";
  return out;
}

document::Level StressLevel() {
  document::Level level;
  for (int floor = -8; floor < 8; ++floor) {
    for (int column = 0; column < 32; ++column) {
      for (int row = 0; row < 32; ++row) {
        const int flags = (column * 3 + row + floor) & 7;
        const int name = (column + 5 * row + 7 * (floor + 8)) % kTemplates;
        level.BlockList.push_back(std::to_string(floor) + " " + std::to_string(column) + " " +
                                  std::to_string(row) + " " + std::to_string(flags) + " " +
                                  StressTemplateName(name));
      }
    }
  }
  for (int i = 0; i < kLinks; ++i) {
    const int floor = i % 16 - 8, column = (i * 7) % 32, row = (i * 13) % 32;
    level.LinkList.push_back(std::to_string(floor) + " " + std::to_string(column) + " " +
                             std::to_string(row) + " " + std::to_string((i + 3) % 16 - 8) + " " +
                             std::to_string((column + 1) % 32) + " " + std::to_string(row));
  }
  return level;
}

void WriteStressFolder(const fs::path& folder) {
  fs::create_directories(folder);
  for (int i = 0; i < kTemplates; ++i) {
    std::ofstream(folder / (StressTemplateName(i) + ".map"), std::ios::binary) << StressTemplate(i);
  }
  std::ofstream(folder / "PellEd.ini", std::ios::binary) << "[Block]\r\nBx=128\r\nBy=128\r\n";
  (void)document::SaveLevelFile((folder / "stress.pwl").string(), StressLevel());
}

StressFolder::StressFolder() {
  std::string pattern = (fs::temp_directory_path() / "cryptwright-bench-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) std::abort();
  path = pattern;
  WriteStressFolder(path);
  fs::current_path(path);
  level = StressLevel();
}

StressFolder::~StressFolder() {
  std::error_code ignored;
  fs::remove_all(path, ignored);
}

StressFolder& Folder() {
  static StressFolder folder;
  return folder;
}

}  // namespace cw::bench
