#include "editor/captions.h"

#include "platform/number_format.h"

namespace cw::editor {

std::string FloorCaption(std::int32_t floor, std::string_view documentName) {
  std::string caption = "  Floor " + platform::DecimalText(floor) + "    ";
  caption += documentName;
  return caption;
}

std::string LinkCountCaption(std::size_t linkCount) {
  return "Links  total " + platform::DecimalText(static_cast<std::int64_t>(linkCount));
}

std::string CellLinkCaption(std::size_t outgoing, std::size_t incoming) {
  return "Links  out " + platform::DecimalText(static_cast<std::int64_t>(outgoing)) + " in " +
         platform::DecimalText(static_cast<std::int64_t>(incoming));
}

}  // namespace cw::editor
