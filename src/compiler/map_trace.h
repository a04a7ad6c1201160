#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace cw::compiler {

// What wrote a line of the map: the world entity's own lines, the brushes of a block record
// (its comment line included), the entities of a block record, or the relay of a link record.
enum class MapLineSource { kWorld, kBlockBrushes, kBlockEntities, kLinkRelay };

struct MapLineOrigin {
  MapLineSource source = MapLineSource::kWorld;
  std::size_t index = 0;  // the record's index in BlockList or LinkList; 0 for the world
  bool operator==(const MapLineOrigin&) const = default;
};

// Which record wrote each line of a map, kept as runs of lines: a build notes where each record's
// lines begin, so the cost is one entry per record, not per line.
class MapTrace {
 public:
  // The lines from `firstLine` (counted from 1) come from `origin`, up to the next run.
  void Begin(std::size_t firstLine, MapLineOrigin origin);
  // The map's last line; lines after it have no origin.
  void Finish(std::size_t lineCount) { lineCount_ = lineCount; }

  // The origin of a line of the map (counted from 1); nothing for a line the map does not have.
  std::optional<MapLineOrigin> OriginOf(std::size_t line) const;
  std::size_t LineCount() const { return lineCount_; }

 private:
  std::vector<std::pair<std::size_t, MapLineOrigin>> runs_;
  std::size_t lineCount_ = 0;
};

}  // namespace cw::compiler
