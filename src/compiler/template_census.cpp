#include "compiler/template_census.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <string_view>

namespace cw::compiler {
namespace {

// Coordinates up to this size keep every product of the plane arithmetic within 64 bits.
constexpr std::int64_t kLargestExactCoordinate = std::int64_t{1} << 29;

std::optional<TemplatePlane> PlaneOf(const FaceFields& face) {
  const auto& p = face.points;
  for (const auto& point : p) {
    for (const std::int32_t c : point) {
      if (std::llabs(c) > kLargestExactCoordinate) return std::nullopt;
    }
  }
  std::array<std::int64_t, 3> a{}, b{};
  for (int i = 0; i < 3; ++i) {
    a[i] = std::int64_t{p[1][i]} - p[0][i];
    b[i] = std::int64_t{p[2][i]} - p[0][i];
  }
  TemplatePlane plane;
  plane.normal = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
  const std::int64_t divisor =
      std::gcd(std::gcd(plane.normal[0], plane.normal[1]), plane.normal[2]);
  if (divisor == 0) return std::nullopt;  // three points on one line span no plane
  for (std::int64_t& n : plane.normal) n /= divisor;
  plane.point = p[0];
  return plane;
}

// The value of a key line '"key" "value"', when the line is that key's.
std::optional<std::string> ValueOfKey(std::string_view line, std::string_view key) {
  if (line.size() < key.size() + 5 || line[0] != '"' || line.substr(1, key.size()) != key ||
      line.substr(key.size() + 1, 3) != "\" \"") {
    return std::nullopt;
  }
  const std::string_view rest = line.substr(key.size() + 4);
  return std::string(rest.substr(0, rest.find('"')));
}

// Names and targets count only in the entity section: the world's key lines are copied as they
// are. Messages count in both.
void CountLine(const TemplateLine& line, TemplateCensus& census, bool entitySection) {
  if (line.face) {
    ++census.faces;
    const std::string& texture = line.face->fields.textureName;
    if (std::find(census.textures.begin(), census.textures.end(), texture) ==
        census.textures.end()) {
      census.textures.push_back(texture);
    }
    if (std::optional<TemplatePlane> plane = PlaneOf(line.face->fields)) {
      census.planes.push_back(*plane);
    }
  }
  if (std::optional<std::string> message = ValueOfKey(line.text, "message")) {
    census.messages.push_back(std::move(*message));
  }
  if (!entitySection) return;
  if (line.key && line.key->kind == KeyKind::kTargetname) {
    census.targetnames.push_back(line.key->value);
  }
  if (line.key && line.key->kind == KeyKind::kTarget &&
      KindOfTarget(line.key->value) == TargetKind::kLink) {
    census.linkTargets.push_back(line.key->value);
  }
  if (std::optional<std::string> classname = ValueOfKey(line.text, "classname")) {
    census.classnames.push_back(std::move(*classname));
  }
}

}  // namespace

TemplateCensus CountTemplate(const BlockTemplate& blockTemplate) {
  TemplateCensus census;
  // Inside the world entity every opening line starts a brush.
  for (const TemplateLine& line : blockTemplate.worldspawn) {
    if (KindOfLine(line.text) == LineKind::kOpening) ++census.worldBrushes;
    CountLine(line, census, false);
  }
  // After it: an opening line at depth 0 starts an entity, one at depth 1 a brush of it.
  int depth = 0;
  bool entityHasBrush = false;
  for (const TemplateLine& line : blockTemplate.entities) {
    const LineKind kind = KindOfLine(line.text);
    if (kind == LineKind::kOpening) {
      if (depth == 0) {
        ++census.entities;
        entityHasBrush = false;
      } else if (depth == 1) {
        ++census.entityBrushes;
        if (!entityHasBrush) ++census.brushEntities;
        entityHasBrush = true;
      }
      ++depth;
    } else if (kind == LineKind::kClosing && depth > 0) {
      --depth;
    }
    CountLine(line, census, true);
  }
  return census;
}

}  // namespace cw::compiler
