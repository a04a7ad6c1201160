#include "editor/saved_level.h"

#include <string>
#include <vector>

namespace cw::editor {
namespace {

// FNV-1a over the records, each followed by a separator no record holds, and the lists apart.
std::uint64_t DigestOf(const document::Level& level) {
  std::uint64_t hash = 14695981039346656037ull;
  const auto mix = [&hash](unsigned char byte) {
    hash ^= byte;
    hash *= 1099511628211ull;
  };
  for (const std::vector<std::string>* list : {&level.BlockList, &level.LinkList}) {
    for (const std::string& record : *list) {
      for (const char c : record) mix(static_cast<unsigned char>(c));
      mix('\n');
    }
    mix('\r');
  }
  return hash;
}

}  // namespace

SavedLevel::SavedLevel() : digest_(DigestOf(document::Level{})) {}

void SavedLevel::MarkSaved(const document::Level& level) {
  digest_ = DigestOf(level);
}

bool SavedLevel::HasUnsavedChanges(const document::Level& level) const {
  return !digest_ || *digest_ != DigestOf(level);
}

}  // namespace cw::editor
