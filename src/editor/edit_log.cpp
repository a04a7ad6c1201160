#include "editor/edit_log.h"

#include <span>

#include "document/edit_batch.h"

namespace cw::editor {

using document::LevelList;
using document::ListEdit;
using document::RecordAt;

std::vector<std::string>& EditLog::List(LevelList list) {
  return list == LevelList::kBlocks ? level_.BlockList : level_.LinkList;
}

const document::Level& EditLog::level() {
  Flush();
  return level_;
}

std::vector<ListEdit> EditLog::Take() {
  Flush();
  return std::move(edits_);
}

void EditLog::Place(const document::BlockRecord& record) {
  Flush();
  ListEdit edit;
  if (document::PlaceBlock(level_, record, &edit) == document::Placement::kRefused) return;
  if (edit.ChangesNothing()) return;
  edits_.push_back(std::move(edit));
  done_ = edits_.size();
}

void EditLog::Remove(LevelList list, std::size_t index) {
  // A deletion below the waiting ones of the same list finds its record where it was: the
  // deletions above it have not been done yet, and would not have moved it.
  const bool joinsWaiting = done_ < edits_.size() && edits_.back().list == list &&
                            edits_.back().removed && !edits_.back().added &&
                            edits_.back().removed->index > index;
  if (!joinsWaiting) Flush();
  edits_.push_back({list, RecordAt{index, List(list)[index]}, std::nullopt});
}

void EditLog::Append(LevelList list, std::string record) {
  Flush();
  const std::size_t index = List(list).size();
  Apply({list, std::nullopt, RecordAt{index, std::move(record)}});
}

void EditLog::Replace(LevelList list, std::size_t index, std::string record) {
  Flush();
  Apply({list, RecordAt{index, List(list)[index]}, RecordAt{index, std::move(record)}});
}

void EditLog::Apply(ListEdit edit) {
  edits_.push_back(std::move(edit));
  Flush();
}

void EditLog::Flush() {
  document::ApplyEdits(level_, std::span<const ListEdit>(edits_).subspan(done_));
  done_ = edits_.size();
}

}  // namespace cw::editor
