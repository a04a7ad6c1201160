#include "formats/face_line.h"

#include <charconv>
#include <cstdint>

#include "formats/scanner.h"

namespace cw::formats {
namespace {

enum class FaceRead { kWhole, kBrokenFields, kBrokenSurface };

// The grammar of a face line, once: three points, the texture's name, two offsets, the
// rotation, two scales, then what follows the scales. A reading takes each field from the text
// its own way.
template <typename Reading>
FaceRead ReadFace(Reading& reading) {
  for (int i = 0; i < 3; ++i) {
    if (!reading.Point(i)) return FaceRead::kBrokenFields;
  }
  if (!reading.Texture() || !reading.Offset(0) || !reading.Offset(1) || !reading.Rotation() ||
      !reading.Scale(0) || !reading.Scale(1)) {
    return FaceRead::kBrokenFields;
  }
  return reading.Surface();
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

// The compiler's reading of the text after the y scale (see ScanFaceLine).
std::optional<SurfaceFields> ScanSurfaceFields(std::string_view rest) {
  std::int64_t numbers[3];
  for (std::int64_t& number : numbers) {
    std::size_t start = 0;
    while (start < rest.size() && IsCSpace(rest[start])) ++start;
    std::size_t end = start;
    while (end < rest.size() && !IsCSpace(rest[end])) ++end;
    // The word must start after a blank (the scale's own text ends there) and be a number whole.
    if (start == 0 || start == end || !ReadWholeNumber(rest.substr(start, end - start), number)) {
      return std::nullopt;
    }
    rest.remove_prefix(end);
  }
  return SurfaceFields{numbers[0], numbers[1], numbers[2]};
}

// The map compiler's reading: C's sscanf over the line, each point found by searching for its
// "(", the texture fields after the first ")" that follows the third.
class ScanReading {
 public:
  ScanReading(std::string_view line, FaceFields& face) : line_(line), face_(face) {}

  bool Point(int i) {
    if (i == 0) {
      if (line_.empty() || line_.front() != '(') return false;
    } else {
      open_ = line_.find('(', open_ + 1);
      if (open_ == std::string_view::npos) return false;
    }
    Scanner scanner(line_.substr(open_ + 1));
    std::array<std::int32_t, 3>& point = face_.points[static_cast<std::size_t>(i)];
    return scanner.Int(point[0]) && scanner.Int(point[1]) && scanner.Int(point[2]);
  }
  bool Texture() {
    const std::size_t close = line_.find(')', open_ + 1);
    if (close == std::string_view::npos) return false;
    fields_ = Scanner(line_.substr(close + 1));
    return fields_.Token(face_.textureName);
  }
  bool Offset(int i) {
    std::int32_t offset = 0;
    if (!fields_.Int(offset)) return false;
    (i == 0 ? face_.texture.xOffset : face_.texture.yOffset) = offset;
    return true;
  }
  bool Rotation() {
    std::int32_t rotation = 0;
    if (!fields_.Int(rotation)) return false;
    face_.texture.rotation = rotation;
    return true;
  }
  bool Scale(int i) { return fields_.Float(i == 0 ? face_.texture.xScale : face_.texture.yScale); }
  FaceRead Surface() {
    face_.surface = ScanSurfaceFields(fields_.Rest());
    return FaceRead::kWhole;
  }

 private:
  std::string_view line_;
  FaceFields& face_;
  std::size_t open_ = 0;  // where the point being read opens
  Scanner fields_{{}};
};

// The lenient reading: words between blanks, the parentheses words of their own or stuck to the
// numbers, each number a whole word.
class WordReading {
 public:
  WordReading(std::string_view line, MapFace& face) : text_(line), face_(face) {}

  bool Point(int i) {
    IntPoint& point = face_.points[static_cast<std::size_t>(i)];
    return Char('(') && Int(point.x) && Int(point.y) && Int(point.z) && Char(')');
  }
  bool Texture() {
    const std::string_view texture = Word();
    face_.texture = std::string(texture);
    return !texture.empty();
  }
  bool Offset(int i) { return Int(i == 0 ? face_.xOffset : face_.yOffset); }
  bool Rotation() { return Int(face_.rotation); }
  bool Scale(int i) { return Real(i == 0 ? face_.xScale : face_.yScale); }
  FaceRead Surface() {
    if (AtEnd()) return FaceRead::kWhole;
    SurfaceFields surface;
    if (!Int(surface.contents) || !Int(surface.flags) || !Int(surface.value) || !AtEnd()) {
      return FaceRead::kBrokenSurface;
    }
    face_.surface = surface;
    return FaceRead::kWhole;
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlankOrCr(text_[pos_])) ++pos_;
  }
  bool Char(char c) {
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  std::string_view Word() {
    SkipBlanks();
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !IsBlankOrCr(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
  }
  template <typename Number>
  bool Whole(Number& value) {
    const std::string_view word = Word();
    if (word.empty()) return false;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    return ec == std::errc() && end == word.data() + word.size();
  }
  bool Int(std::int64_t& value) { return Whole(value); }
  bool Real(double& value) { return Whole(value); }
  bool AtEnd() {
    SkipBlanks();
    return pos_ == text_.size();
  }

  std::string_view text_;
  MapFace& face_;
  std::size_t pos_ = 0;
};

FaceRead ReadWords(std::string_view line, MapFace& face) {
  WordReading reading(line, face);
  return ReadFace(reading);
}

}  // namespace

std::optional<FaceFields> ScanFaceLine(std::string_view line) {
  FaceFields face;
  ScanReading reading(line, face);
  if (ReadFace(reading) != FaceRead::kWhole) return std::nullopt;
  return face;
}

std::optional<MapFace> ParseFaceLine(std::string_view line) {
  MapFace face;
  if (ReadWords(line, face) != FaceRead::kWhole) return std::nullopt;
  return face;
}

bool HasBrokenSurfaceFields(std::string_view line) {
  MapFace face;
  return ReadWords(line, face) == FaceRead::kBrokenSurface;
}

}  // namespace cw::formats
