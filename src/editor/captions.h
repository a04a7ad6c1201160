#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace cw::editor {

// The floor view's title: "  Floor 3    NoName".
std::string FloorCaption(std::int32_t floor, std::string_view documentName);
// The link check box's caption outside a cell's link view: "Links  total 4".
std::string LinkCountCaption(std::size_t linkCount);
// The link check box's caption in a cell's link view: "Links  out 2 in 1".
std::string CellLinkCaption(std::size_t outgoing, std::size_t incoming);

}  // namespace cw::editor
