#pragma once

#include <string>
#include <vector>

namespace cw::document {

inline constexpr const char* kNewDocumentName = "NoName";

// The level being edited: two ordered lists of text records and the level's name. The records
// are kept exactly as the level file stores them; whoever needs a field parses the record again.
struct Level {
  std::vector<std::string> BlockList;
  std::vector<std::string> LinkList;
  std::string DocumentName = kNewDocumentName;
};

}  // namespace cw::document
