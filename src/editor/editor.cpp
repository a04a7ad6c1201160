#include "editor/editor.h"

#include <QDir>
#include <exception>
#include <utility>

#include "document/captions.h"
#include "editor/marker.h"
#include "editor/palette.h"

namespace cw::editor {

namespace {

// Counts the handlers running, also when one ends by an exception.
class HandlerDepth {
 public:
  explicit HandlerDepth(int& depth) : depth_(depth) { ++depth_; }
  ~HandlerDepth() { --depth_; }
  HandlerDepth(const HandlerDepth&) = delete;
  HandlerDepth& operator=(const HandlerDepth&) = delete;
  bool Outermost() const { return depth_ == 1; }

 private:
  int& depth_;
};

}  // namespace

Editor::Editor(EditorServices services)
    : services_(std::move(services)), recovery_(services_.recoveryFolder, QDir::currentPath()) {}

void Editor::AttachWindows(FloorViewWindow& floorView, ToolBoxWindow& toolBox) {
  floorView_ = &floorView;
  toolBox_ = &toolBox;
}

void Editor::RunHandler(const std::function<void()>& handler) {
  // Events arrive one at a time; one raised inside a handler (a check box set from code) runs
  // inside the outer one and reports its own error, since nothing may be thrown through Qt.
  const HandlerDepth depth(handlerDepth_);
  // The canvas's key changes whenever anything drew on it or replaced it: only then is the floor
  // view repainted, not after every move of the mouse.
  const qint64 before = floorView_ != nullptr ? floorView_->FloorCanvas().cacheKey() : 0;
  try {
    handler();
  } catch (const std::exception& error) {
    ReportError(QString::fromStdString(error.what()));
  } catch (...) {
    ReportError(QStringLiteral("An unexpected error stopped the command."));
  }
  if (depth.Outermost() && floorView_ != nullptr &&
      floorView_->FloorCanvas().cacheKey() != before) {
    floorView_->FloorCanvasChanged();
  }
}

void Editor::ReportError(const QString& message) const {
  // What the handler drew so far shows while the message is up.
  if (floorView_ != nullptr) floorView_->FloorCanvasChanged();
  if (services_.reportError) services_.reportError(message);
}

QImage& Editor::FloorCanvas() const {
  return floorView_->FloorCanvas();
}

std::int32_t Editor::CurrentFloor() const {
  // The selector holds a 16-bit signed position.
  return static_cast<std::int16_t>(toolBox_->FloorSelectorPosition());
}

bool Editor::LinkModeOn() const {
  return toolBox_->LinkModeChecked();
}

QString Editor::SelectedItemText() const {
  return PaletteItemText(toolBox_->SelectedPaletteRow());
}

std::string Editor::SelectedItemName() const {
  const int row = toolBox_->SelectedPaletteRow();
  return row >= 0 && static_cast<std::size_t>(row) < palette_.size()
             ? palette_[static_cast<std::size_t>(row)]
             : std::string();
}

void Editor::SetFloorCaption() {
  floorView_->SetFloorCaption(
      FromBytes(document::FloorCaption(CurrentFloor(), state_.level.DocumentName)));
}

void Editor::SetLinkCountCaption() {
  toolBox_->SetLinksCaption(FromBytes(document::LinkCountCaption(state_.level.LinkList.size())));
}

void Editor::ToggleMarkerOnFloor() {
  ToggleMarker(FloorCanvas(), state_.MarkerColumn, state_.MarkerRow);
}

}  // namespace cw::editor
