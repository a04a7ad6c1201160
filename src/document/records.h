#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cw::document {

// A cell is 32 by 32 pixels of the floor canvas.
inline constexpr int kCellSize = 32;

// A cell on a floor: the first three numbers of a block record.
struct Cell {
  std::int32_t floor = 0;
  std::int32_t column = 0;
  std::int32_t row = 0;
  bool operator==(const Cell&) const = default;
};

// The fields of a block record "%d %d %d %d %s": floor, column, row, orientation flags, name.
struct BlockRecord {
  std::int32_t floor = 0;
  std::int32_t column = 0;
  std::int32_t row = 0;
  std::int32_t flags = 0;
  std::string name;
  Cell cell() const { return {floor, column, row}; }
  bool operator==(const BlockRecord&) const = default;
};

// The fields of a link record "%d %d %d %d %d %d": a directed link from a start cell to an end
// cell.
struct LinkRecord {
  std::int32_t startFloor = 0;
  std::int32_t startColumn = 0;
  std::int32_t startRow = 0;
  std::int32_t endFloor = 0;
  std::int32_t endColumn = 0;
  std::int32_t endRow = 0;
  Cell start() const { return {startFloor, startColumn, startRow}; }
  Cell end() const { return {endFloor, endColumn, endRow}; }
  bool operator==(const LinkRecord&) const = default;
};

// Orientation flag bits of a block record.
inline constexpr std::int32_t kFlipX = 1;
inline constexpr std::int32_t kFlipY = 2;
inline constexpr std::int32_t kRotate = 4;

std::string FormatBlockRecord(const BlockRecord& record);
std::string FormatLinkRecord(const LinkRecord& record);

// Each parse reads its fields as sscanf would with the record's pattern and succeeds only when
// every field was read; text after the last field is ignored.
std::optional<BlockRecord> ParseBlockRecord(std::string_view text);
// The cell search "%d %d %d": the first three numbers of any record.
std::optional<Cell> ParseCell(std::string_view text);
// "%d": the first number of any record, a block's floor.
std::optional<std::int32_t> ParseFloor(std::string_view text);

// Tells the block records of one floor from the others as ParseFloor would, faster: a record
// that starts with a number written the way FormatBlockRecord writes numbers is judged by its
// text alone; any other is read with ParseFloor.
class FloorFilter {
 public:
  explicit FloorFilter(std::int32_t floor);
  bool Holds(std::string_view record) const;

 private:
  std::int32_t floor_;
  std::string text_;  // the floor as FormatBlockRecord writes it
};
std::optional<LinkRecord> ParseLinkRecord(std::string_view text);

}  // namespace cw::document
