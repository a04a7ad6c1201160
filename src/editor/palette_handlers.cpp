// The palette and the orientation boxes: the chosen block's label and its preview.
#include "document/records.h"
#include "editor/editor.h"
#include "editor/orient_picture.h"
#include "editor/palette.h"

namespace cw::editor {

void Editor::ListBox1Click() {
  state_.label = SelectedItemText();
  const QImage picture = LoadPictureOrUnknown(ItemPictureFileName(SelectedItemName()));
  if (!picture.isNull()) DrawPreview(picture);
  // Each box that was checked changes state and previews again with the boxes left checked.
  SetOrientationBoxFromCode(OrientationBox::kXFlip, false);
  SetOrientationBoxFromCode(OrientationBox::kYFlip, false);
  SetOrientationBoxFromCode(OrientationBox::kRotate, false);
}

void Editor::CheckBoxClick() {
  QImage picture = LoadPictureOrUnknown(ItemPictureFileName(SelectedItemName()));
  if (picture.isNull()) return;
  OrientPicture(picture, CurrentOrientation());
  DrawPreview(picture);
}

void Editor::SetOrientationBoxFromCode(OrientationBox box, bool checked) {
  bool& state = state_.orientation[static_cast<std::size_t>(box)];
  if (state == checked) return;
  // A change of state runs the boxes' click, whoever made it.
  state = checked;
  CheckBoxClick();
}

void Editor::DrawPreview(const QImage& picture) {
  DrawPicture(state_.preview, picture, 0, 0);
}

}  // namespace cw::editor
