#include "editor/edit_log.h"

namespace cw::editor {

using document::LevelList;
using document::ListEdit;
using document::RecordAt;

std::vector<std::string>& EditLog::List(LevelList list) {
  return list == LevelList::kBlocks ? level_.BlockList : level_.LinkList;
}

void EditLog::Place(const document::BlockRecord& record) {
  ListEdit edit;
  if (document::PlaceBlock(level_, record, &edit) == document::Placement::kRefused) return;
  if (!edit.ChangesNothing()) edits_.push_back(std::move(edit));
}

void EditLog::Remove(LevelList list, std::size_t index) {
  Apply({list, RecordAt{index, List(list)[index]}, std::nullopt});
}

void EditLog::Append(LevelList list, std::string record) {
  const std::size_t index = List(list).size();
  Apply({list, std::nullopt, RecordAt{index, std::move(record)}});
}

void EditLog::Replace(LevelList list, std::size_t index, std::string record) {
  Apply({list, RecordAt{index, List(list)[index]}, RecordAt{index, std::move(record)}});
}

void EditLog::Apply(ListEdit edit) {
  document::ApplyEdit(level_, edit);
  edits_.push_back(std::move(edit));
}

}  // namespace cw::editor
