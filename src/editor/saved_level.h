#pragma once

#include <cstdint>
#include <optional>

#include "document/level.h"

namespace cw::editor {

// What the last confirmed Load or successful Save left in the lists, kept as a digest of the two
// lists, so that the question about unsaved changes compares contents and not the way there: an
// edit followed by its undo is no change.
class SavedLevel {
 public:
  // A new, empty level counts as saved.
  SavedLevel();

  void MarkSaved(const document::Level& level);
  // The lists count as unsaved whatever they hold, until the next Save or Load (a restored
  // recovery file).
  void MarkUnsaved() { digest_.reset(); }
  bool HasUnsavedChanges(const document::Level& level) const;

 private:
  std::optional<std::uint64_t> digest_;
};

}  // namespace cw::editor
