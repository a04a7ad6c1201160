#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "document/records.h"

namespace cw::compiler {

// The links of a level during one build: each record parsed once, and which of them a k-target
// has taken over. The level itself is never marked; the build keeps this state on its own.
class LinkUsage {
 public:
  explicit LinkUsage(const std::vector<std::string>& linkList);

  // The first link in list order that parses, starts at the cell and was not taken yet: it is
  // marked taken and its end cell returned.
  std::optional<document::Cell> TakeLinkFrom(const document::Cell& start);

  std::size_t size() const { return links_.size(); }
  // The parsed record, or nothing for a record that does not parse as six integers.
  const std::optional<document::LinkRecord>& link(std::size_t index) const { return links_[index]; }
  bool IsTaken(std::size_t index) const { return taken_[index]; }

 private:
  using CellKey = std::tuple<std::int32_t, std::int32_t, std::int32_t>;
  struct Waiting {
    std::vector<std::size_t> indices;  // links starting at the cell, in list order
    std::size_t next = 0;              // links before it are taken
  };

  std::vector<std::optional<document::LinkRecord>> links_;
  std::vector<bool> taken_;
  std::map<CellKey, Waiting> byStart_;
};

}  // namespace cw::compiler
