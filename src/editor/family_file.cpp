#include "editor/family_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "formats/ini_text.h"
#include "formats/scanner.h"
#include "platform/file_reader.h"
#include "platform/number_format.h"

namespace cw::editor {
namespace {

using formats::EqualIgnoringCase;
using formats::TrimBlanks;

constexpr std::size_t kMaxWarnings = 50;
constexpr std::uint32_t kMaxWeight = 1000000;
constexpr std::array<std::string_view, kShapeCount> kShapeNames{"Alone",  "End", "Straight",
                                                                "Corner", "T",   "Cross"};

bool HasControlCharacter(std::string_view text) {
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return true;
  }
  return false;
}

// Digits only, at most `limit`.
std::optional<std::uint64_t> ParseDigits(std::string_view text, std::uint64_t limit) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > limit) return std::nullopt;
  }
  return value;
}

// A whole number from -2147483648 to 4294967295, kept as its 32 bits.
std::optional<std::uint32_t> ParsePattern(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  const auto value = ParseDigits(text, negative ? 2147483648ULL : 4294967295ULL);
  if (!value) return std::nullopt;
  return static_cast<std::uint32_t>(negative ? 0 - *value : *value);
}

std::optional<int> ShapeNamed(std::string_view key) {
  for (int shape = 0; shape < kShapeCount; ++shape) {
    if (EqualIgnoringCase(key, kShapeNames[shape])) return shape;
  }
  return std::nullopt;
}

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text).push_back('"');
  return quoted;
}

class FamiliesParser {
 public:
  explicit FamiliesParser(std::string_view fileName) : fileName_(fileName) {}

  FamiliesRead Parse(std::string_view bytes) {
    const formats::IniText ini(bytes);
    for (const formats::IniLine& line : ini.Lines()) {
      lineNumber_ = line.number;
      if (line.kind == formats::IniLine::Kind::kSection) {
        StartSection(line.text);
      } else {
        ReadEntry(line);
      }
    }
    EndFamily();
    if (warnings_ > kMaxWarnings) {
      read_.warnings.push_back(fileName_ + ": " + platform::DecimalText(warnings_ - kMaxWarnings) +
                               " more warnings are not shown");
    }
    return std::move(read_);
  }

 private:
  enum class Section { kNone, kSkipped, kVariants, kFamily };

  void Warn(const std::string& text) { WarnAt(lineNumber_, text); }
  void WarnAt(std::size_t line, const std::string& text) {
    if (++warnings_ > kMaxWarnings) return;
    read_.warnings.push_back(fileName_ + ", line " + platform::DecimalText(line) + ": " + text);
  }

  void StartSection(std::string_view line) {
    EndFamily();
    section_ = Section::kSkipped;
    if (line.back() != ']') {
      Warn("the section " + Quoted(line) + " has no closing \"]\"; its lines are skipped");
      return;
    }
    const std::string_view name = TrimBlanks(line.substr(1, line.size() - 2));
    if (EqualIgnoringCase(name, "Variants")) {
      section_ = Section::kVariants;
      return;
    }
    constexpr std::string_view kFamily = "Family";
    if (name.size() < kFamily.size() ||
        !EqualIgnoringCase(name.substr(0, kFamily.size()), kFamily) ||
        (name.size() > kFamily.size() && !formats::IsBlank(name[kFamily.size()]))) {
      Warn("unknown section " + Quoted(line) + "; its lines are skipped");
      return;
    }
    const std::string_view familyName = TrimBlanks(name.substr(kFamily.size()));
    if (familyName.empty() || HasControlCharacter(familyName)) {
      Warn("the section " + Quoted(line) + " names no family; its lines are skipped");
    } else if (std::find(names_.begin(), names_.end(), familyName) != names_.end()) {
      Warn("the family " + Quoted(familyName) + " is given again; the first one counts");
    } else {
      names_.emplace_back(familyName);
      section_ = Section::kFamily;
      family_ = Family{std::string(familyName), {}};
      familyLine_ = lineNumber_;
      given_ = {};
    }
  }

  void ReadEntry(const formats::IniLine& line) {
    if (section_ == Section::kSkipped) return;
    if (line.kind != formats::IniLine::Kind::kEntry) {
      Warn(Quoted(line.text) + " is not a key=value line");
    } else if (section_ == Section::kNone) {
      Warn(Quoted(line.text) + " stands before any section");
    } else if (section_ == Section::kVariants) {
      ReadVariantsKey(line.key, line.value);
    } else {
      ReadShape(line.key, line.value);
    }
  }

  void ReadVariantsKey(std::string_view key, std::string_view value) {
    if (!EqualIgnoringCase(key, "Pattern")) {
      Warn("unknown key " + Quoted(key) + " in [Variants]");
    } else if (patternGiven_) {
      Warn("the pattern is given again; the first one counts");
    } else if (const std::optional<std::uint32_t> pattern = ParsePattern(value)) {
      read_.set.pattern = *pattern;
      patternGiven_ = true;
    } else {
      Warn("the pattern " + Quoted(value) + " is not a whole 32-bit number; the pattern stays 0");
    }
  }

  void ReadShape(std::string_view key, std::string_view value) {
    const std::optional<int> shape = ShapeNamed(key);
    if (!shape) {
      Warn("unknown shape " + Quoted(key) + " in the family " + Quoted(family_.name) +
           "; the shapes are Alone, End, Straight, Corner, T and Cross");
      return;
    }
    if (given_[*shape]) {
      Warn("the shape " + Quoted(kShapeNames[*shape]) + " is given again in the family " +
           Quoted(family_.name) + "; the first one counts");
      return;
    }
    given_[*shape] = true;
    std::vector<Variant>& variants = family_.pieces[*shape];
    while (true) {
      const std::size_t comma = value.find(',');
      ReadVariant(TrimBlanks(value.substr(0, comma)), variants);
      if (comma == std::string_view::npos) break;
      value.remove_prefix(comma + 1);
    }
  }

  // "Block" or "Block weight".
  void ReadVariant(std::string_view entry, std::vector<Variant>& variants) {
    std::size_t blank = 0;
    while (blank < entry.size() && !formats::IsBlank(entry[blank])) ++blank;
    const std::string_view block = entry.substr(0, blank);
    const std::string_view weightText = TrimBlanks(entry.substr(blank));
    if (block.empty()) {
      Warn("an empty block name in the family " + Quoted(family_.name) + " is left out");
      return;
    }
    if (HasControlCharacter(block) || block == "Unknown" || block == "Empty") {
      Warn("the block " + Quoted(block) + " cannot be painted and is left out");
      return;
    }
    const std::optional<std::uint64_t> weight =
        weightText.empty() ? std::optional<std::uint64_t>(1) : ParseDigits(weightText, kMaxWeight);
    if (!weight || *weight == 0) {
      Warn("the weight " + Quoted(weightText) + " of the block " + Quoted(block) +
           " is not a whole number from 1 to 1000000; the block is left out");
      return;
    }
    variants.push_back({std::string(block), static_cast<std::uint32_t>(*weight)});
  }

  void EndFamily() {
    if (section_ != Section::kFamily) return;
    section_ = Section::kSkipped;
    std::string missing;
    for (int shape = 0; shape < kShapeCount; ++shape) {
      if (!family_.pieces[shape].empty()) continue;
      missing += (missing.empty() ? "" : ", ") + std::string(kShapeNames[shape]);
    }
    if (missing.empty()) {
      read_.set.families.push_back(std::move(family_));
      return;
    }
    WarnAt(familyLine_, "the family " + Quoted(family_.name) + " has no block for " + missing +
                            "; the family is left out");
  }

  std::string fileName_;
  FamiliesRead read_;
  std::size_t lineNumber_ = 0;
  std::size_t warnings_ = 0;
  Section section_ = Section::kNone;
  bool patternGiven_ = false;
  Family family_;
  std::size_t familyLine_ = 0;
  std::array<bool, kShapeCount> given_{};
  std::vector<std::string> names_;  // every family's name, those left out too
};

}  // namespace

FamiliesRead ParseFamilies(std::string_view bytes, std::string_view fileName) {
  return FamiliesParser(fileName).Parse(bytes);
}

FamiliesRead ReadFamiliesFile(const std::string& path) {
  const platform::IoValue<std::string> file = platform::ReadWholeFile(path);
  if (file.status == platform::IoStatus::kNotFound) return {};
  if (!file) return {{}, {file.error}};
  return ParseFamilies(file.value, path);
}

}  // namespace cw::editor
