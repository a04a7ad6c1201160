#include "document/edit_batch.h"

#include <cassert>
#include <string>
#include <vector>

namespace cw::document {
namespace {

bool IsDeletion(const ListEdit& edit) {
  return edit.removed && !edit.added;
}

bool IsInPlace(const ListEdit& edit) {
  return edit.removed && edit.added && edit.removed->index == edit.added->index;
}

// Whether `later` deletes from the same list as `earlier`, below it: the index of every record
// of such a run is its index in the list from before the run.
bool ContinuesRun(const ListEdit& earlier, const ListEdit& later) {
  return IsDeletion(earlier) && IsDeletion(later) && earlier.list == later.list &&
         later.removed->index < earlier.removed->index;
}

// Deletes the run's records in one pass: `run` is in the order done, indices falling.
void DeleteRun(std::vector<std::string>& records, std::span<const ListEdit> run) {
  std::size_t kept = run.back().removed->index;
  std::size_t next = run.size();  // the run's records from the lowest index up: run[next - 1]
  for (std::size_t i = kept; i < records.size(); ++i) {
    if (next > 0 && run[next - 1].removed->index == i) {
      assert(records[i] == run[next - 1].removed->record);
      --next;
      continue;
    }
    records[kept++] = std::move(records[i]);
  }
  records.resize(kept);
}

// Puts the run's records back in one pass, each at its index.
void RestoreRun(std::vector<std::string>& records, std::span<const ListEdit> run) {
  const std::size_t first = run.back().removed->index;
  std::vector<std::string> tail(std::make_move_iterator(records.begin() + first),
                                std::make_move_iterator(records.end()));
  records.resize(first);
  records.reserve(first + tail.size() + run.size());
  std::size_t next = run.size();
  std::size_t fromTail = 0;
  while (next > 0 || fromTail < tail.size()) {
    if (next > 0 && (run[next - 1].removed->index == records.size() || fromTail == tail.size())) {
      records.push_back(run[--next].removed->record);
    } else {
      records.push_back(std::move(tail[fromTail++]));
    }
  }
}

}  // namespace

void ApplyEdits(Level& level, std::span<const ListEdit> edits) {
  for (std::size_t i = 0; i < edits.size();) {
    std::size_t end = i + 1;
    while (end < edits.size() && ContinuesRun(edits[end - 1], edits[end])) ++end;
    if (end - i > 1) {
      DeleteRun(ListOf(level, edits[i].list), edits.subspan(i, end - i));
    } else if (IsInPlace(edits[i])) {
      ListOf(level, edits[i].list)[edits[i].added->index] = edits[i].added->record;
    } else {
      ApplyEdit(level, edits[i]);
    }
    i = end;
  }
}

void RevertEdits(Level& level, std::span<const ListEdit> edits) {
  for (std::size_t end = edits.size(); end > 0;) {
    std::size_t begin = end - 1;
    while (begin > 0 && ContinuesRun(edits[begin - 1], edits[begin])) --begin;
    if (end - begin > 1) {
      RestoreRun(ListOf(level, edits[begin].list), edits.subspan(begin, end - begin));
    } else if (IsInPlace(edits[begin])) {
      ListOf(level, edits[begin].list)[edits[begin].removed->index] = edits[begin].removed->record;
    } else {
      RevertEdit(level, edits[begin]);
    }
    end = begin;
  }
}

}  // namespace cw::document
