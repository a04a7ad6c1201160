#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cw::formats {

// Blanks of an INI line: spaces and tabs.
std::string_view TrimBlanks(std::string_view text);

// Whether two texts are equal when ASCII letters are taken without their case, as the keys and
// section names of an INI file are.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// A line of an INI text that says something: blank lines and ";" comments are left out.
struct IniLine {
  enum class Kind {
    kSection,  // "[name]"
    kEntry,    // "key=value"
    kOther,    // neither
  };
  Kind kind = Kind::kOther;
  std::size_t number = 0;  // 1-based line number in the text
  std::string_view text;   // the line without the blanks around it
  std::string_view name;   // kSection: after "[" up to the first "]" (or the end), trimmed
  std::string_view key;    // kEntry: before the first "=", trimmed
  std::string_view value;  // kEntry: after it, trimmed
};

// The text of an INI file, as the settings file and the families file are written: lines as
// every text reader of the program takes them, each taken without the blanks around it.
class IniText {
 public:
  explicit IniText(std::string_view bytes);
  IniText(const IniText&) = delete;  // the lines' views point into this text's own lines
  IniText& operator=(const IniText&) = delete;

  const std::vector<IniLine>& Lines() const { return lines_; }

  // The key and value of every entry of the first section of that name (in any letter case), in
  // file order: only the first section of a name counts.
  std::vector<std::pair<std::string_view, std::string_view>> Entries(
      std::string_view section) const;

  // The value of a key in the first section of that name, or nothing when either is missing.
  // Where a key appears twice in its section, the first one counts.
  std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

  // Whether a line is a section or an entry, or no line says anything: an empty file sets
  // nothing, and one with lines but none of these is something else.
  bool LooksLikeIni() const;

 private:
  std::vector<std::string> text_;
  std::vector<IniLine> lines_;
};

}  // namespace cw::formats
