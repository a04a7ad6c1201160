// A tiny kit for the 3D view's tests: a WAD of solid textures and a block of one box with a
// player start above it, written to the current folder.
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "formats/game_palettes.h"
#include "formats/mip_texture.h"
#include "formats/wad_file.h"
#include "scene/oriented_block.h"
#include "support/test_files.h"

namespace cw::testing {

// A texture of one palette index.
inline formats::MipTexture SolidTexture(const std::string& name, std::uint8_t index) {
  formats::MipTexture texture{name, 16, 16, {}};
  for (int level = 0; level < 4; ++level) {
    texture.levels[static_cast<std::size_t>(level)].assign(formats::MipLevelSize(16, 16, level), index);
  }
  return texture;
}

inline constexpr std::uint8_t kBoxColour = 79;  // of Quake's palette, as the kit's textures
inline const char* const kTinyKitSettings = "[World]\r\nwad=tiny.wad\r\n";

// Block "B": a box of 128 x 128 x 64 units on its floor, in texture "stone", and a player start
// 96 units above the floor.
inline void WriteTinyKit(const std::filesystem::path& folder) {
  WriteFileBytes(folder / "tiny.wad", formats::EncodeWad2({SolidTexture("stone", kBoxColour)}));
  WriteFileBytes(folder / "B.map", R"({
"classname" "worldspawn"
{
( -64 -64 64 ) ( 64 -64 0 ) ( -64 -64 0 ) stone 0 0 0 1 1
( 64 -64 64 ) ( 64 64 0 ) ( 64 -64 0 ) stone 0 0 0 1 1
( 64 64 64 ) ( -64 64 0 ) ( 64 64 0 ) stone 0 0 0 1 1
( -64 64 64 ) ( -64 -64 0 ) ( -64 64 0 ) stone 0 0 0 1 1
( 64 64 64 ) ( 64 -64 64 ) ( -64 -64 64 ) stone 0 0 0 1 1
( -64 -64 0 ) ( 64 -64 0 ) ( 64 64 0 ) stone 0 0 0 1 1
}
}
{
"classname" "info_player_start"
"origin" "0 0 96"
}
)");
}

// A colour as the view draws a face seen from straight above: lit as the floors are.
inline QColor LitFromAbove(QColor colour) {
  const float shade = scene::ShadeOf({0, 0, 1});
  return QColor::fromRgbF(colour.redF() * shade, colour.greenF() * shade, colour.blueF() * shade);
}

inline QColor BoxColour() {
  const formats::Rgb rgb = formats::QuakePalette()[kBoxColour];
  return LitFromAbove(QColor(rgb.r, rgb.g, rgb.b));
}

// Whether two colours agree within the rounding of the renderer.
inline bool Near(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) <= 3 && std::abs(a.green() - b.green()) <= 3 &&
         std::abs(a.blue() - b.blue()) <= 3;
}

}  // namespace cw::testing
