// Link mode switched on or off with the Links box.
#include "editor/editor.h"

namespace cw::editor {

void Editor::LinksClick() {
  if (state_.linkMode) {
    // A fresh snapshot keeps the cells placed or erased since the last full redraw; a canvas that
    // holds the leak, which the snapshot must not, is drawn again instead.
    ComposeFloor(session_.HasLeak() ? BlockLayer::kRedraw : BlockLayer::kCanvas);
  } else {
    ComposeFloor(BlockLayer::kSnapshot);
    SetLinkCountCaption();
  }
}

}  // namespace cw::editor
