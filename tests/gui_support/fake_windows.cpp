#include "gui_support/fake_windows.h"

#include <algorithm>

namespace cw::testing {

namespace {

constexpr int kMaxCanvasSide = 16384;

std::size_t Index(editor::OrientationBox box) {
  return static_cast<std::size_t>(box);
}

}  // namespace

FakeWindows::FakeWindows()
    : linksCaption_(QStringLiteral("Links")),
      preview_(32, 32, QImage::Format_RGB32),
      canvas_(1024, 1024, QImage::Format_RGB32),
      font_(QStringLiteral("DejaVu Sans")),
      floorCaption_(QStringLiteral("  Floor 0")) {
  preview_.fill(Qt::white);
  canvas_.fill(Qt::white);
  font_.setPixelSize(12);
}

bool FakeWindows::Open(editor::Editor& editor) {
  editor_ = &editor;
  editor.AttachWindows(*this, *this);
  try {
    editor.ConstructToolBox();
  } catch (const std::exception& error) {
    editor.ReportError(QString::fromStdString(error.what()));
    return false;
  }
  return true;
}

void FakeWindows::Run(const std::function<void()>& handler) {
  if (editor_ != nullptr) editor_->RunHandler(handler);
}

void FakeWindows::Press(Qt::MouseButton button, QPoint at) {
  Run([&] { editor_->FloorMouseDown(button, Qt::NoModifier, at.x(), at.y()); });
}

void FakeWindows::Move(QPoint at) {
  Run([&] { editor_->FloorMouseMove(Qt::NoModifier, at.x(), at.y()); });
}

void FakeWindows::Release(Qt::MouseButton button, QPoint at) {
  Run([&] { editor_->FloorMouseUp(button, Qt::NoModifier, at.x(), at.y()); });
}

void FakeWindows::Key(Qt::Key key) {
  Run([&] { editor_->FormKeyDown(key, Qt::NoModifier); });
}

void FakeWindows::ChooseRow(int row) {
  if (row < 0 || row >= PaletteItemCount() || row == selected_) return;
  selected_ = row;
  Run([&] { editor_->ListBox1Click(); });
}

void FakeWindows::SetBox(editor::OrientationBox box, bool checked) {
  if (boxes_[Index(box)] == checked) return;
  boxes_[Index(box)] = checked;
  Run([&] { editor_->CheckBoxClick(); });
}

void FakeWindows::SetLinkMode(bool on) {
  if (linkMode_ == on) return;
  linkMode_ = on;
  Run([&] { editor_->LinksClick(); });
}

void FakeWindows::SetFloor(int floor) {
  const int before = floor_;
  SetFloorSelectorPosition(floor);
  if (floor_ != before) Run([&] { editor_->UpDown1Click(); });
}

void FakeWindows::Click(Command command) {
  Run([&] {
    switch (command) {
      case Command::kLoad:
        editor_->Button4Click();
        break;
      case Command::kSave:
        editor_->Button5Click();
        break;
      case Command::kBuild:
        editor_->Button6Click();
        break;
    }
  });
}

void FakeWindows::SetFloorSelectorPosition(int position) {
  floor_ = std::clamp(position, -8, 7);
}

bool FakeWindows::OrientationBoxChecked(editor::OrientationBox box) const {
  return boxes_[Index(box)];
}

void FakeWindows::SetOrientationBoxChecked(editor::OrientationBox box, bool checked) {
  boxes_[Index(box)] = checked;
}

void FakeWindows::SetPaletteItems(const QStringList& items) {
  items_ = items;
  selected_ = items_.isEmpty() ? -1 : 0;
}

QString FakeWindows::PaletteItemText(int row) const {
  return row >= 0 && row < PaletteItemCount() ? items_[row] : QString();
}

void FakeWindows::SelectPaletteRow(int row) {
  selected_ = row >= 0 && row < PaletteItemCount() ? row : -1;
}

void FakeWindows::SetFloorCanvasSize(int width, int height) {
  canvas_ = QImage(std::clamp(width, 0, kMaxCanvasSide), std::clamp(height, 0, kMaxCanvasSide),
                   QImage::Format_RGB32);
  canvas_.fill(Qt::white);
}

}  // namespace cw::testing
