#include "editor/editor.h"

#include <QCheckBox>
#include <QSignalBlocker>

#include "document/records.h"
#include "editor/orient_picture.h"
#include "editor/palette.h"
#include "forms/tool_box_form.h"

namespace cw::editor {

void Editor::ListBox1Click() {
  const QString text = SelectedItemText();
  toolBox_->SetLabel1Caption(text);
  DrawPreview(LoadPicture(ItemPictureFileName(text)));
  // Each box that was checked changes state and previews again with the boxes left checked.
  SetCheckBoxState(*toolBox_->CheckBox1, false);
  SetCheckBoxState(*toolBox_->CheckBox2, false);
  SetCheckBoxState(*toolBox_->CheckBox3, false);
}

void Editor::CheckBoxClick() {
  const std::int32_t flags = CurrentOrientation();
  QImage picture = LoadPicture(ItemPictureFileName(SelectedItemText()));
  OrientPicture(picture, flags);
  DrawPreview(picture);
}

void Editor::SetCheckBoxState(QCheckBox& box, bool checked) {
  if (box.isChecked() == checked) return;
  {
    // The click runs here directly rather than through the box's signal, so that an error in it
    // stops the caller too.
    const QSignalBlocker quiet(box);
    box.setChecked(checked);
  }
  CheckBoxClick();
}

std::int32_t Editor::CurrentOrientation() const {
  return (toolBox_->CheckBox1->isChecked() ? document::kFlipX : 0) +
         (toolBox_->CheckBox2->isChecked() ? document::kFlipY : 0) +
         (toolBox_->CheckBox3->isChecked() ? document::kRotate : 0);
}

void Editor::DrawPreview(const QImage& picture) {
  DrawPicture(toolBox_->Image1->Canvas(), picture, 0, 0);
  toolBox_->Image1->CanvasChanged();
}

}  // namespace cw::editor
