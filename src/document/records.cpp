#include "document/records.h"

#include "document/scanner.h"
#include "platform/number_format.h"

namespace cw::document {

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
