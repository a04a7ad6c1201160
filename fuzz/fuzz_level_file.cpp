// The level file reader, the record parsers and the field scanner under arbitrary bytes.
//
// Beyond "no crash, no undefined behaviour", it checks:
// - the scanner reads %d like strtol, %f like strtof and %s as the run of non-blanks, from every
//   position it reaches, stops at a NUL byte as C does, and leaves the position alone when a
//   read fails;
// - a record that parses formats back to text that parses to the same fields;
// - the cell search agrees with the block and link parsers;
// - loading, saving and loading again gives the same two lists;
// - placing a block and toggling a link keep their rules on whatever level was loaded.
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "document/level.h"
#include "document/level_edit.h"
#include "document/level_file.h"
#include "document/records.h"
#include "formats/scanner.h"
#include "platform/line_sink.h"
#include "platform/text_lines.h"
#include "support/fuzz_support.h"

namespace {

using cw::formats::Scanner;
using cw::fuzz::Require;

// The bytes that Save writes.
std::string LevelBytes(const cw::document::Level& level) {
  cw::platform::TextLineSink out;
  cw::document::WriteLevelFile(out, level);
  return out.text();
}

void CheckIntReads(const std::string& text) {
  Scanner scanner(text);
  for (;;) {
    const std::size_t before = scanner.Position();
    const char* start = text.c_str() + before;
    char* end = nullptr;
    errno = 0;
    const long long expected = std::strtoll(start, &end, 10);
    const bool converts =
        end != start && errno != ERANGE && expected >= INT32_MIN && expected <= INT32_MAX;
    std::int32_t value = 0;
    const bool read = scanner.Int(value);
    Require(read == converts, "Int succeeds exactly when strtol reads a 32-bit number");
    if (!read) {
      Require(scanner.Position() == before, "a failed Int keeps the position");
      return;
    }
    Require(value == expected, "Int reads the value strtol reads");
    Require(scanner.Position() == static_cast<std::size_t>(end - text.c_str()),
            "Int stops where strtol stops");
  }
}

void CheckFloatReads(const std::string& text) {
  Scanner scanner(text);
  for (;;) {
    const std::size_t before = scanner.Position();
    const char* start = text.c_str() + before;
    char* end = nullptr;
    const float expected = std::strtof(start, &end);
    float value = 0;
    const bool read = scanner.Float(value);
    Require(read == (end != start), "Float succeeds exactly when strtof reads a number");
    if (!read) {
      Require(scanner.Position() == before, "a failed Float keeps the position");
      return;
    }
    Require(std::isnan(value) == std::isnan(expected), "Float and strtof agree on NaN");
    Require(std::signbit(value) == std::signbit(expected), "Float and strtof agree on the sign");
    Require(std::isnan(value) || std::memcmp(&value, &expected, sizeof value) == 0,
            "Float reads the value strtof reads");
    Require(scanner.Position() == static_cast<std::size_t>(end - text.c_str()),
            "Float stops where strtof stops");
  }
}

void CheckTokenReads(const std::string& record) {
  Scanner scanner(record);
  // As in a C string, a NUL byte ends the text.
  const std::string text = record.substr(0, record.find('\0'));
  std::size_t pos = 0;
  for (;;) {
    while (pos < text.size() && cw::formats::IsCSpace(text[pos])) ++pos;
    std::size_t end = pos;
    while (end < text.size() && !cw::formats::IsCSpace(text[end])) ++end;
    const std::size_t before = scanner.Position();
    std::string token;
    const bool read = scanner.Token(token);
    Require(read == (end > pos), "Token succeeds exactly when a non-blank follows");
    if (!read) {
      Require(scanner.Position() == before, "a failed Token keeps the position");
      return;
    }
    Require(token == text.substr(pos, end - pos), "Token is the run of non-blanks");
    Require(scanner.Position() == end, "Token stops at the first blank");
    pos = end;
  }
}

void CheckRecordParsers(const std::string& text) {
  using namespace cw::document;
  const auto cell = ParseCell(text);
  if (const auto block = ParseBlockRecord(text)) {
    Require(cell && *cell == block->cell(), "the cell search agrees with the block parser");
    Require(!block->name.empty(), "a parsed block record has a name");
    Require(ParseBlockRecord(FormatBlockRecord(*block)) == block,
            "a block record formats back to the same fields");
  }
  if (const auto link = ParseLinkRecord(text)) {
    Require(cell && *cell == link->start(), "the cell search agrees with the link parser");
    Require(ParseLinkRecord(FormatLinkRecord(*link)) == link,
            "a link record formats back to the same fields");
  }
}

void CheckLevelEdits(cw::document::Level level, const cw::document::Level& records) {
  using namespace cw::document;
  // A block from the first record that parses, placed again: it ends the list, and replaces the
  // cell's first record if there was one.
  for (const std::string& text : records.BlockList) {
    auto block = ParseBlockRecord(text);
    if (!block || block->name == kUnknownBlockName) continue;
    const std::size_t before = level.BlockList.size();
    const bool occupied = FindCellRecord(level, block->cell()).has_value();
    PlaceBlock(level, *block);
    Require(level.BlockList.size() == before + 1 - (occupied ? 1 : 0),
            "placing replaces at most the cell's first record");
    Require(level.BlockList.back() == FormatBlockRecord(*block), "the placed block ends the list");
    break;
  }
  for (const std::string& text : records.LinkList) {
    auto link = ParseLinkRecord(text);
    if (!link) continue;
    const auto original = level.LinkList;
    const LinkToggle first = ToggleLink(level, *link);
    if (link->start() == link->end()) {
      Require(first == LinkToggle::kRefused && level.LinkList == original,
              "a link from a cell to itself changes nothing");
    } else {
      Require(first == LinkToggle::kRemoved, "toggling a loaded link removes it");
      Require(level.LinkList.size() + 1 == original.size(), "removing takes one record");
    }
    break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace cw::document;
  const std::string_view bytes = cw::fuzz::InputText(data, size);
  const Level records = ParseLevelFileText(bytes);
  Require(records.BlockList.size() + records.LinkList.size() ==
              cw::platform::SplitTextLines(bytes).size(),
          "every line of the file is a record");

  Level level;
  level.BlockList = records.BlockList;
  level.LinkList = records.LinkList;
  const std::string saved = LevelBytes(level);
  const Level again = ParseLevelFileText(saved);
  Require(again.BlockList == records.BlockList && again.LinkList == records.LinkList,
          "save then load gives the same lists");
  Require(LevelBytes(level) == saved, "saving is deterministic");

  // The scanners are expensive per line; the first lines are enough to explore them.
  std::size_t checked = 0;
  for (const auto* list : {&records.BlockList, &records.LinkList}) {
    for (const std::string& text : *list) {
      if (++checked > 16) break;
      CheckRecordParsers(text);
      CheckIntReads(text);
      CheckFloatReads(text);
      CheckTokenReads(text);
    }
  }
  CheckLevelEdits(level, records);
  return 0;
}
