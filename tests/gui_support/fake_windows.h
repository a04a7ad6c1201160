#pragma once

#include <QFont>
#include <QImage>
#include <QStringList>
#include <array>
#include <vector>

#include "gui_support/harness_windows.h"

namespace cw::testing {

// The tool box and the floor view as plain values, with the controls' own rules: the selector
// keeps within -8 to 7, a control's event runs only when its state really changes, and the
// canvas keeps its pixels until it gets a new size.
class FakeWindows final : public HarnessWindows,
                          public editor::ToolBoxWindow,
                          public editor::FloorViewWindow {
 public:
  FakeWindows();

  // HarnessWindows
  bool Open(editor::Editor& editor) override;
  void Close() override { editor_ = nullptr; }
  editor::ToolBoxWindow& ToolBox() override { return *this; }
  editor::FloorViewWindow& FloorView() override { return *this; }
  QString FloorCaption() override { return floorCaption_; }
  QString LinksCaption() override { return linksCaption_; }
  QString Label() override { return label_; }
  bool FloorViewShown() override { return broughtToFront_ > 0; }
  void Press(Qt::MouseButton button, QPoint at) override;
  void Move(QPoint at) override;
  void Release(Qt::MouseButton button, QPoint at) override;
  void Key(Qt::Key key) override;
  void ChooseRow(int row) override;
  void SetBox(editor::OrientationBox box, bool checked) override;
  void SetLinkMode(bool on) override;
  void SetFloor(int floor) override;
  void Click(Command command) override;

  // editor::ToolBoxWindow
  int FloorSelectorPosition() const override { return floor_; }
  void SetFloorSelectorPosition(int position) override;
  bool LinkModeChecked() const override { return linkMode_; }
  void SetLinksCaption(const QString& caption) override { linksCaption_ = caption; }
  bool OrientationBoxChecked(editor::OrientationBox box) const override;
  void SetOrientationBoxChecked(editor::OrientationBox box, bool checked) override;
  void SetPaletteItems(const QStringList& items) override;
  int PaletteItemCount() const override { return static_cast<int>(items_.size()); }
  QString PaletteItemText(int row) const override;
  int SelectedPaletteRow() const override { return selected_; }
  void SelectPaletteRow(int row) override;
  void SetLabel1Caption(const QString& text) override { label_ = text; }
  QImage& PreviewCanvas() override { return preview_; }
  void PreviewChanged() override { previewsShown_.push_back(preview_.copy()); }
  void ShowRecoveryProblem(const QString& message) override { recoveryProblems_.append(message); }

  // editor::FloorViewWindow
  QImage& FloorCanvas() override { return canvas_; }
  void SetFloorCanvasSize(int width, int height) override;
  void FloorCanvasChanged() override { ++repaints_; }
  QFont FloorCanvasFont() const override { return font_; }
  void SetFloorCaption(const QString& caption) override { floorCaption_ = caption; }
  void BringToFront() override { ++broughtToFront_; }

  // How often the floor view was asked to show its canvas.
  int Repaints() const { return repaints_; }
  // The preview each time it was shown, oldest first.
  std::vector<QImage>& PreviewsShown() { return previewsShown_; }
  // What the tool box was told about recovery files.
  const QStringList& RecoveryProblems() const { return recoveryProblems_; }

 private:
  void Run(const std::function<void()>& handler);

  editor::Editor* editor_ = nullptr;
  int floor_ = 0;
  bool linkMode_ = false;
  QString linksCaption_;
  std::array<bool, 3> boxes_{};
  QStringList items_;
  int selected_ = -1;
  QString label_;
  QImage preview_;
  QImage canvas_;
  QFont font_;
  QString floorCaption_;
  int broughtToFront_ = 0;
  int repaints_ = 0;
  std::vector<QImage> previewsShown_;
  QStringList recoveryProblems_;
};

}  // namespace cw::testing
