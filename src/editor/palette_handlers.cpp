// The palette and the orientation boxes: the chosen block's label and its preview.
#include "document/records.h"
#include "editor/editor.h"
#include "editor/orient_picture.h"
#include "editor/palette.h"

namespace cw::editor {

void Editor::ListBox1Click() {
  toolBox_->SetLabel1Caption(SelectedItemText());
  DrawPreview(LoadPicture(ItemPictureFileName(SelectedItemName())));
  // Each box that was checked changes state and previews again with the boxes left checked.
  SetOrientationBox(OrientationBox::kXFlip, false);
  SetOrientationBox(OrientationBox::kYFlip, false);
  SetOrientationBox(OrientationBox::kRotate, false);
}

void Editor::CheckBoxClick() {
  const std::int32_t flags = CurrentOrientation();
  QImage picture = LoadPicture(ItemPictureFileName(SelectedItemName()));
  OrientPicture(picture, flags);
  DrawPreview(picture);
}

void Editor::SetOrientationBox(OrientationBox box, bool checked) {
  if (toolBox_->OrientationBoxChecked(box) == checked) return;
  // The click runs here directly rather than through the box's own event, so that an error in it
  // stops the caller too.
  toolBox_->SetOrientationBoxChecked(box, checked);
  CheckBoxClick();
}

std::int32_t Editor::CurrentOrientation() const {
  return (toolBox_->OrientationBoxChecked(OrientationBox::kXFlip) ? document::kFlipX : 0) +
         (toolBox_->OrientationBoxChecked(OrientationBox::kYFlip) ? document::kFlipY : 0) +
         (toolBox_->OrientationBoxChecked(OrientationBox::kRotate) ? document::kRotate : 0);
}

void Editor::DrawPreview(const QImage& picture) {
  DrawPicture(toolBox_->PreviewCanvas(), picture, 0, 0);
  toolBox_->PreviewChanged();
}

}  // namespace cw::editor
