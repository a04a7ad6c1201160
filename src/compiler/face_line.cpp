#include "compiler/face_line.h"

#include <cstdint>

#include "document/scanner.h"

namespace cw::compiler {
namespace {

bool ReadPoint(std::string_view text, std::array<std::int32_t, 3>& point) {
  document::Scanner scanner(text);
  return scanner.Int(point[0]) && scanner.Int(point[1]) && scanner.Int(point[2]);
}

// A whole decimal number that fits 32 bits as a signed or an unsigned value.
bool ReadWholeNumber(std::string_view word, std::int64_t& number) {
  bool negative = false;
  if (!word.empty() && (word.front() == '-' || word.front() == '+')) {
    negative = word.front() == '-';
    word.remove_prefix(1);
  }
  if (word.empty() || word.size() > 10) return false;
  std::int64_t magnitude = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + (c - '0');
  }
  number = negative ? -magnitude : magnitude;
  return number >= INT32_MIN && number <= UINT32_MAX;
}

#if defined(__SIZEOF_INT128__)
using Wide = __int128;
#else
using Wide = long double;  // exact for these products where long double has a 64-bit mantissa
#endif

Wide Magnitude(Wide value) {
  return value < 0 ? -value : value;
}

}  // namespace

std::optional<FaceFields> ParseFaceLine(std::string_view line) {
  if (line.empty() || line.front() != '(') return std::nullopt;
  FaceFields face;
  if (!ReadPoint(line.substr(1), face.points[0])) return std::nullopt;
  std::size_t open = line.find('(', 1);
  if (open == std::string_view::npos || !ReadPoint(line.substr(open + 1), face.points[1])) {
    return std::nullopt;
  }
  open = line.find('(', open + 1);
  if (open == std::string_view::npos || !ReadPoint(line.substr(open + 1), face.points[2])) {
    return std::nullopt;
  }
  const std::size_t close = line.find(')', open + 1);
  if (close == std::string_view::npos) return std::nullopt;

  document::Scanner scanner(line.substr(close + 1));
  std::int32_t xOffset = 0;
  std::int32_t yOffset = 0;
  std::int32_t rotation = 0;
  TextureFields& texture = face.texture;
  if (!scanner.Token(face.textureName) || !scanner.Int(xOffset) || !scanner.Int(yOffset) ||
      !scanner.Int(rotation) || !scanner.Float(texture.xScale) || !scanner.Float(texture.yScale)) {
    return std::nullopt;
  }
  texture.xOffset = xOffset;
  texture.yOffset = yOffset;
  texture.rotation = rotation;
  face.surface = ReadSurfaceFields(scanner.Rest());
  return face;
}

std::optional<SurfaceFields> ReadSurfaceFields(std::string_view rest) {
  std::int64_t numbers[3];
  for (std::int64_t& number : numbers) {
    std::size_t start = 0;
    while (start < rest.size() && document::IsCSpace(rest[start])) ++start;
    std::size_t end = start;
    while (end < rest.size() && !document::IsCSpace(rest[end])) ++end;
    // The word must start after a blank (the scale's own text ends there) and be a number whole.
    if (start == 0 || start == end || !ReadWholeNumber(rest.substr(start, end - start), number)) {
      return std::nullopt;
    }
    rest.remove_prefix(end);
  }
  return SurfaceFields{numbers[0], numbers[1], numbers[2]};
}

FaceClass ClassifyFace(const std::array<std::array<std::int32_t, 3>, 3>& points) {
  Wide a[3];
  Wide b[3];
  for (int i = 0; i < 3; ++i) {
    a[i] = static_cast<Wide>(points[1][i]) - points[0][i];
    b[i] = static_cast<Wide>(points[2][i]) - points[1][i];
  }
  const Wide nx = Magnitude(a[1] * b[2] - a[2] * b[1]);
  const Wide ny = Magnitude(a[0] * b[2] - a[2] * b[0]);
  const Wide nz = Magnitude(a[0] * b[1] - a[1] * b[0]);
  if (nz >= ny && nz >= nx) return FaceClass::kHorizontal;
  if (nx < ny) return FaceClass::kYFacing;
  return FaceClass::kXFacing;
}

}  // namespace cw::compiler
