#include "editor/editor.h"

#include <QCheckBox>
#include <QListWidget>
#include <QSpinBox>
#include <exception>
#include <utility>

#include "document/captions.h"
#include "editor/palette.h"
#include "forms/floor_view_form.h"
#include "forms/tool_box_form.h"

namespace cw::editor {

Editor::Editor(EditorServices services) : services_(std::move(services)) {}

void Editor::AttachWindows(forms::TForm2& floorView, forms::TForm1& toolBox) {
  floorView_ = &floorView;
  toolBox_ = &toolBox;
}

void Editor::RunHandler(const std::function<void()>& handler) {
  // Events arrive one at a time; one raised inside a handler (a check box set from code) runs
  // inside the outer one and reports its own error, since nothing may be thrown through Qt.
  ++handlerDepth_;
  try {
    handler();
  } catch (const std::exception& error) {
    ReportError(QString::fromStdString(error.what()));
  }
  --handlerDepth_;
  if (handlerDepth_ == 0 && floorView_ != nullptr) floorView_->Image1->CanvasChanged();
}

void Editor::ReportError(const QString& message) const {
  if (services_.reportError) services_.reportError(message);
}

QImage& Editor::FloorCanvas() const {
  return floorView_->Image1->Canvas();
}

std::int32_t Editor::CurrentFloor() const {
  // The selector holds a 16-bit signed position.
  return static_cast<std::int16_t>(toolBox_->UpDown1->value());
}

bool Editor::LinkModeOn() const {
  return toolBox_->Links->isChecked();
}

QString Editor::PaletteItemText(int index) const {
  const QListWidgetItem* item = toolBox_->ListBox1->item(index);
  return item != nullptr ? item->text() : QString();
}

QString Editor::SelectedItemText() const {
  return PaletteItemText(toolBox_->ListBox1->currentRow());
}

void Editor::SetFloorCaption() {
  floorView_->setWindowTitle(FromBytes(document::FloorCaption(CurrentFloor(), level.DocumentName)));
}

void Editor::SetLinkCountCaption() {
  toolBox_->Links->setText(FromBytes(document::LinkCountCaption(level.LinkList.size())));
}

}  // namespace cw::editor
