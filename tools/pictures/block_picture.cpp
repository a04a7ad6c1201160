#include "pictures/block_picture.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "scene/polyhedron.h"

namespace cw::pictures {

using formats::MapBrush;
using formats::MapFace;
using scene::FacePlane;
using scene::Plane;
using scene::VerticalColumn;

namespace {

// Palette layout: group 0 holds fixed colours; groups 1 to 15 hold 16 shades of one hue each.
constexpr std::uint8_t kVoid = 0;
constexpr std::uint8_t kGridLine = 1;
constexpr std::uint8_t kLightMark = 2;
constexpr std::uint8_t kStartMark = 3;
constexpr std::uint8_t kDestinationMark = 4;
constexpr std::uint8_t kOtherMark = 5;
constexpr std::uint8_t kWarning = 6;
constexpr std::uint8_t kEmptyTile = 7;

constexpr int kTextureHues = 12;
constexpr int kDoorGroup = 13;
constexpr int kButtonGroup = 14;
constexpr int kTriggerGroup = 15;

constexpr std::uint32_t kFixedColours[] = {0x14141C, 0x3C3C48, 0xFFE650, 0x3CE65A,
                                           0x50DCFF, 0xF0F0F0, 0xE63C3C, 0x22222C};
constexpr std::uint32_t kGroupColours[] = {
    0x000000, 0xC8B48C, 0x8CA0C8, 0xB48264, 0x78B478, 0xA08CC8, 0xC8C878, 0x78C8C8,
    0xC87878, 0x9C9C9C, 0xD2A050, 0x6478B4, 0xB4D28C, 0xF08C28, 0xFF3C3C, 0xDC50DC};

std::array<std::uint32_t, 256> Palette() {
  std::array<std::uint32_t, 256> palette{};
  for (std::size_t i = 0; i < std::size(kFixedColours); ++i) palette[i] = kFixedColours[i];
  for (int i = static_cast<int>(std::size(kFixedColours)); i < 16; ++i) {
    auto grey = static_cast<std::uint32_t>(16 * i);
    palette[static_cast<std::size_t>(i)] = grey << 16 | grey << 8 | grey;
  }
  for (int group = 1; group < 16; ++group) {
    std::uint32_t base = kGroupColours[group];
    for (int shade = 0; shade < 16; ++shade) {
      double factor = 0.3 + 0.7 * shade / 15.0;
      std::uint32_t rgb = 0;
      for (int channel = 16; channel >= 0; channel -= 8) {
        auto value = static_cast<std::uint32_t>(((base >> channel) & 0xFF) * factor);
        rgb |= std::min<std::uint32_t>(value, 255) << channel;
      }
      palette[static_cast<std::size_t>(16 * group + shade)] = rgb;
    }
  }
  return palette;
}

// A texture's hue: the same name always gets the same hue, in every block.
int TextureGroup(const std::string& texture) {
  std::uint32_t hash = 2166136261u;
  for (unsigned char c : texture) hash = (hash ^ c) * 16777619u;
  return 1 + static_cast<int>(hash % kTextureHues);
}

int ClassGroup(const std::string& className) {
  if (className.starts_with("func_door")) return kDoorGroup;
  if (className == "func_button") return kButtonGroup;
  // Heretic II's teleporter is a trigger brush.
  if (className.starts_with("trigger_") || className == "misc_teleporter") return kTriggerGroup;
  return 0;  // coloured by texture
}

std::uint8_t MarkColour(const std::string& className) {
  if (className.starts_with("light")) return kLightMark;
  if (className.starts_with("info_player")) return kStartMark;
  if (className == "info_teleport_destination" || className == "misc_teleporter_dest") {
    return kDestinationMark;
  }
  return kOtherMark;
}

// The x and y of an "origin" value, read without the locale.
std::optional<std::pair<double, double>> OriginXY(const std::string& value) {
  double xy[2] = {0, 0};
  const char* at = value.data();
  const char* end = value.data() + value.size();
  for (double& number : xy) {
    while (at < end && *at == ' ') ++at;
    auto [next, ec] = std::from_chars(at, end, number);
    if (ec != std::errc()) return std::nullopt;
    at = next;
  }
  return std::pair{xy[0], xy[1]};
}

struct Solid {
  std::vector<Plane> planes;
  std::vector<const std::string*> textures;
  int group = 0;
};

std::vector<Solid> CollectSolids(const std::vector<MapEntity>& entities) {
  std::vector<Solid> solids;
  for (const MapEntity& entity : entities) {
    int group = ClassGroup(entity.ClassName());
    for (const MapBrush& brush : entity.brushes) {
      Solid solid;
      solid.group = group;
      bool sound = true;
      for (const MapFace& face : brush.faces) {
        auto plane = FacePlane(face);
        if (!plane) {
          sound = false;
          break;
        }
        solid.planes.push_back(*plane);
        solid.textures.push_back(&face.texture);
      }
      if (sound && !solid.planes.empty()) solids.push_back(std::move(solid));
    }
  }
  return solids;
}

struct Sample {
  double height = -std::numeric_limits<double>::infinity();
  int group = 0;  // 0: nothing below the cut
  bool throughCut = false;
};

Sample SampleAt(const std::vector<Solid>& solids, double x, double y, double cutZ) {
  Sample best;
  for (const Solid& solid : solids) {
    auto column = VerticalColumn(solid.planes, x, y);
    if (!column || column->bottom >= cutZ) continue;
    double visible = std::min(column->top, cutZ);
    if (visible > best.height) {
      best.height = visible;
      best.throughCut = column->top >= cutZ;
      best.group = solid.group != 0 ? solid.group : TextureGroup(*solid.textures[column->topPlane]);
    }
  }
  return best;
}

}  // namespace

IndexedPicture RenderBlockPicture(const std::vector<MapEntity>& entities, const PictureView& view) {
  const int n = view.size;
  const double step = view.footprint / n;
  const double left = view.centreX - view.footprint / 2;
  const double top = view.centreY + view.footprint / 2;
  const double cutZ = view.floorZ + view.cutHeight;
  std::vector<Solid> solids = CollectSolids(entities);

  // Samples for the picture and a ring of one pixel around it, for the outlines at its edges.
  const int ring = n + 2;
  std::vector<Sample> samples(static_cast<std::size_t>(ring * ring));
  auto sampleAt = [&](int px, int py) -> Sample& {
    return samples[static_cast<std::size_t>((py + 1) * ring + (px + 1))];
  };
  for (int py = -1; py <= n; ++py) {
    for (int px = -1; px <= n; ++px) {
      double x = left + step * (px + 0.5);
      double y = top - step * (py + 0.5);
      sampleAt(px, py) = SampleAt(solids, x, y, cutZ);
    }
  }

  IndexedPicture picture(n, n);
  picture.palette = Palette();
  for (int py = 0; py < n; ++py) {
    for (int px = 0; px < n; ++px) {
      const Sample& sample = sampleAt(px, py);
      if (sample.group == 0) {
        picture.At(px, py) = kVoid;
        continue;
      }
      int shade = 15;
      if (!sample.throughCut) {
        double fraction = std::clamp((sample.height - view.floorZ) / view.cutHeight, 0.0, 1.0);
        shade = 5 + static_cast<int>(8 * fraction);
        const Sample* neighbours[] = {&sampleAt(px - 1, py), &sampleAt(px + 1, py),
                                      &sampleAt(px, py - 1), &sampleAt(px, py + 1)};
        for (const Sample* other : neighbours) {
          if (other->height > sample.height + 4) shade = 2;
        }
      }
      picture.At(px, py) = static_cast<std::uint8_t>(16 * sample.group + shade);
    }
  }

  for (const MapEntity& entity : entities) {
    auto origin = entity.Value("origin");
    if (!entity.brushes.empty() || !origin) continue;
    auto xy = OriginXY(*origin);
    if (!xy) continue;
    auto [ox, oy] = *xy;
    std::uint8_t colour = MarkColour(entity.ClassName());
    for (int py = 0; py < n; ++py) {
      for (int px = 0; px < n; ++px) {
        double x = left + step * (px + 0.5);
        double y = top - step * (py + 0.5);
        if (std::fabs(x - ox) <= 5 && std::fabs(y - oy) <= 5) picture.At(px, py) = colour;
      }
    }
  }
  return picture;
}

IndexedPicture EmptyPicture() {
  IndexedPicture picture(32, 32);
  picture.palette = Palette();
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      picture.At(x, y) = (x == 31 || y == 31) ? kGridLine : kEmptyTile;
    }
  }
  return picture;
}

IndexedPicture UnknownPicture() {
  // A question mark, 8 by 12, drawn at twice its size.
  static constexpr const char* kGlyph[] = {"..####..", ".##..##.", "##....##", "......##",
                                           ".....##.", "....##..", "...##...", "...##...",
                                           "........", "...##...", "...##...", "........"};
  IndexedPicture picture(32, 32);
  picture.palette = Palette();
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      bool frame = x < 2 || y < 2 || x > 29 || y > 29;
      picture.At(x, y) = frame ? kWarning : kVoid;
    }
  }
  for (int gy = 0; gy < 12; ++gy) {
    for (int gx = 0; gx < 8; ++gx) {
      if (kGlyph[gy][gx] != '#') continue;
      for (int d = 0; d < 4; ++d) picture.At(8 + 2 * gx + d % 2, 4 + 2 * gy + d / 2) = kWarning;
    }
  }
  return picture;
}

}  // namespace cw::pictures
