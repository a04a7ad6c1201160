#pragma once

#include <array>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "compiler/placement.h"
#include "compiler/template_census.h"
#include "document/records.h"

namespace cw::compiler {

// The distinct planes of the placed faces of a level, a plane and its opposite counted once, as
// id's qbsp keeps them. Exact: each plane is held as whole numbers without a common divisor.
class PlaneCount {
 public:
  explicit PlaneCount(const PlacementSettings& settings) : settings_(settings) {}

  // Adds the planes of a template placed by a block record.
  void AddBlock(const document::BlockRecord& record, const std::vector<TemplatePlane>& planes);
  std::uint64_t Count() const { return planes_.size() + inexact_; }

 private:
  using Key = std::array<std::int64_t, 4>;  // normal x, y, z and distance
  struct KeyHash {
    std::size_t operator()(const Key& key) const;
  };

  const PlacementSettings& settings_;
  std::unordered_set<Key, KeyHash> planes_;
  std::uint64_t inexact_ = 0;
};

}  // namespace cw::compiler
