#include "document/list_edit.h"

#include <iterator>

namespace cw::document {
std::vector<std::string>& ListOf(Level& level, LevelList list) {
  return list == LevelList::kBlocks ? level.BlockList : level.LinkList;
}

namespace {

void Erase(std::vector<std::string>& records, std::size_t index) {
  records.erase(std::next(records.begin(), static_cast<std::ptrdiff_t>(index)));
}

void Insert(std::vector<std::string>& records, const RecordAt& at) {
  records.insert(std::next(records.begin(), static_cast<std::ptrdiff_t>(at.index)), at.record);
}

}  // namespace

bool ListEdit::ChangesNothing() const {
  return removed == added;
}

void ApplyEdit(Level& level, const ListEdit& edit) {
  std::vector<std::string>& records = ListOf(level, edit.list);
  if (edit.removed) Erase(records, edit.removed->index);
  if (edit.added) Insert(records, *edit.added);
}

void RevertEdit(Level& level, const ListEdit& edit) {
  std::vector<std::string>& records = ListOf(level, edit.list);
  if (edit.added) Erase(records, edit.added->index);
  if (edit.removed) Insert(records, *edit.removed);
}

ListEdit InverseEdit(const ListEdit& edit) {
  return {edit.list, edit.added, edit.removed};
}

}  // namespace cw::document
