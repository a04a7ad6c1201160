#include "compiler/link_usage.h"

namespace cw::compiler {

LinkUsage::LinkUsage(const std::vector<std::string>& linkList) : taken_(linkList.size(), false) {
  links_.reserve(linkList.size());
  for (std::size_t i = 0; i < linkList.size(); ++i) {
    links_.push_back(document::ParseLinkRecord(linkList[i]));
    if (const auto& link = links_.back()) {
      byStart_[{link->startFloor, link->startColumn, link->startRow}].indices.push_back(i);
    }
  }
}

std::optional<document::Cell> LinkUsage::TakeLinkFrom(const document::Cell& start) {
  const auto found = byStart_.find({start.floor, start.column, start.row});
  if (found == byStart_.end()) return std::nullopt;
  Waiting& waiting = found->second;
  // Links are only ever taken through here, in list order per start cell, so every link before
  // `next` is taken and every one from it on is free.
  if (waiting.next == waiting.indices.size()) return std::nullopt;
  const std::size_t index = waiting.indices[waiting.next++];
  taken_[index] = true;
  return links_[index]->end();
}

}  // namespace cw::compiler
