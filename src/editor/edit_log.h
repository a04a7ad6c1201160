#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "document/level.h"
#include "document/level_edit.h"
#include "document/list_edit.h"

namespace cw::editor {

// Changes a level one list edit at a time and keeps the edits in the order they were done:
// together they are one step of the history, undone by reverting them last first. Deletions at
// falling indices of one list are gathered and done in one pass (ApplyEdits), so that a command
// on a whole floor does not move the rest of the list once per record.
class EditLog {
 public:
  explicit EditLog(document::Level& level) : level_(level) {}

  // Places a block as a left press does (the cell's first record deleted, the new one appended);
  // the empty name erases the cell.
  void Place(const document::BlockRecord& record);
  void RemoveBlock(std::size_t index) { Remove(document::LevelList::kBlocks, index); }
  void RemoveLink(std::size_t index) { Remove(document::LevelList::kLinks, index); }
  void AppendBlock(std::string record) { Append(document::LevelList::kBlocks, std::move(record)); }
  void AppendLink(std::string record) { Append(document::LevelList::kLinks, std::move(record)); }
  // Puts a new record in the place of the one at `index`, keeping the list's order.
  void ReplaceBlock(std::size_t index, std::string record) {
    Replace(document::LevelList::kBlocks, index, std::move(record));
  }
  void ReplaceLink(std::size_t index, std::string record) {
    Replace(document::LevelList::kLinks, index, std::move(record));
  }

  // The level with every edit so far done.
  const document::Level& level();
  std::vector<document::ListEdit> Take();

 private:
  std::vector<std::string>& List(document::LevelList list);
  void Remove(document::LevelList list, std::size_t index);
  void Append(document::LevelList list, std::string record);
  void Replace(document::LevelList list, std::size_t index, std::string record);
  void Apply(document::ListEdit edit);
  void Flush();

  document::Level& level_;
  std::vector<document::ListEdit> edits_;
  std::size_t done_ = 0;  // the edits before it are done on the level
};

}  // namespace cw::editor
