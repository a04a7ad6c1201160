#include "document/records.h"

#include <charconv>

#include "document/scanner.h"

namespace cw::document {

std::string DecimalText(std::int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  return std::string(digits, result.ptr);
}

std::string FormatBlockRecord(const BlockRecord& record) {
  return DecimalText(record.floor) + ' ' + DecimalText(record.column) + ' ' +
         DecimalText(record.row) + ' ' + DecimalText(record.flags) + ' ' + record.name;
}

std::string FormatLinkRecord(const LinkRecord& record) {
  return DecimalText(record.startFloor) + ' ' + DecimalText(record.startColumn) + ' ' +
         DecimalText(record.startRow) + ' ' + DecimalText(record.endFloor) + ' ' +
         DecimalText(record.endColumn) + ' ' + DecimalText(record.endRow);
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
