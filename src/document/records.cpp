#include "document/records.h"

#include "formats/scanner.h"
#include "platform/number_format.h"

namespace cw::document {

using formats::ReadCInt;
using formats::Scanner;

std::string FormatBlockRecord(const BlockRecord& record) {
  return platform::DecimalText(record.floor) + ' ' + platform::DecimalText(record.column) + ' ' +
         platform::DecimalText(record.row) + ' ' + platform::DecimalText(record.flags) + ' ' +
         record.name;
}

std::string FormatLinkRecord(const LinkRecord& record) {
  return platform::DecimalText(record.startFloor) + ' ' +
         platform::DecimalText(record.startColumn) + ' ' + platform::DecimalText(record.startRow) +
         ' ' + platform::DecimalText(record.endFloor) + ' ' +
         platform::DecimalText(record.endColumn) + ' ' + platform::DecimalText(record.endRow);
}

std::optional<BlockRecord> ParseBlockRecord(std::string_view text) {
  Scanner scan(text);
  BlockRecord record;
  if (scan.Int(record.floor) && scan.Int(record.column) && scan.Int(record.row) &&
      scan.Int(record.flags) && scan.Token(record.name)) {
    return record;
  }
  return std::nullopt;
}

std::optional<Cell> ParseCell(std::string_view text) {
  Scanner scan(text);
  Cell cell;
  if (scan.Int(cell.floor) && scan.Int(cell.column) && scan.Int(cell.row)) return cell;
  return std::nullopt;
}

std::optional<std::int32_t> ParseFloor(std::string_view text) {
  // Read in place: a redraw asks this of every record of the level.
  std::size_t pos = 0;
  std::int32_t floor = 0;
  if (ReadCInt(text, pos, floor)) return floor;
  return std::nullopt;
}

FloorFilter::FloorFilter(std::int32_t floor) : floor_(floor), text_(platform::DecimalText(floor)) {}

bool FloorFilter::Holds(std::string_view record) const {
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  const std::size_t digits = !record.empty() && record[0] == '-' ? 1 : 0;
  // A number that starts with a digit other than 0 has one way of being written: its text is
  // the floor's text exactly when its value is the floor.
  if (record.size() > digits && record[digits] >= '1' && record[digits] <= '9') {
    return record.starts_with(text_) &&
           (record.size() == text_.size() || !isDigit(record[text_.size()]));
  }
  // A lone 0, or -0, is the floor 0.
  if (record.size() > digits && record[digits] == '0' &&
      (record.size() == digits + 1 || !isDigit(record[digits + 1]))) {
    return floor_ == 0;
  }
  const std::optional<std::int32_t> floor = ParseFloor(record);
  return floor && *floor == floor_;
}

std::optional<LinkRecord> ParseLinkRecord(std::string_view text) {
  Scanner scan(text);
  LinkRecord link;
  if (scan.Int(link.startFloor) && scan.Int(link.startColumn) && scan.Int(link.startRow) &&
      scan.Int(link.endFloor) && scan.Int(link.endColumn) && scan.Int(link.endRow)) {
    return link;
  }
  return std::nullopt;
}

}  // namespace cw::document
