#include "compiler/map_trace.h"

#include <algorithm>

namespace cw::compiler {

void MapTrace::Begin(std::size_t firstLine, MapLineOrigin origin) {
  // A record that wrote no line leaves a run that the next one replaces.
  if (!runs_.empty() && runs_.back().first == firstLine) {
    runs_.back().second = origin;
    return;
  }
  runs_.emplace_back(firstLine, origin);
}

std::optional<MapLineOrigin> MapTrace::OriginOf(std::size_t line) const {
  if (line == 0 || line > lineCount_) return std::nullopt;
  const auto after =
      std::upper_bound(runs_.begin(), runs_.end(), line,
                       [](std::size_t wanted, const auto& run) { return wanted < run.first; });
  if (after == runs_.begin()) return std::nullopt;
  return std::prev(after)->second;
}

}  // namespace cw::compiler
