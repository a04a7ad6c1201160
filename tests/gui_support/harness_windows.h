#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

#include "editor/editor.h"

namespace cw::testing {

// The tool box's three commands.
enum class Command { kLoad, kSave, kBuild };

// How the user reaches an editor under test: through the program's own widgets, or straight
// through the editor's actions with no window at all. Either way the user's actions reach the
// editor as they would in the program, each as one event.
class HarnessWindows {
 public:
  virtual ~HarnessWindows() = default;

  // Opens the windows (if any) and runs the tool box's construction, as the program's start-up
  // does. False when the construction failed; its error was then reported.
  virtual bool Open(editor::Editor& editor) = 0;
  virtual void Close() = 0;

  // What the user sees.
  virtual QString FloorCaption() = 0;
  virtual QString LinksCaption() = 0;
  virtual QString Label() = 0;
  virtual int Floor() = 0;  // the floor selector's position
  virtual int SelectedRow() = 0;
  virtual bool BoxChecked(editor::OrientationBox box) = 0;

  // The user's actions. Positions are floor canvas pixels.
  virtual void Press(Qt::MouseButton button, QPoint at) = 0;
  virtual void Move(QPoint at) = 0;
  virtual void Release(Qt::MouseButton button, QPoint at) = 0;
  virtual void Key(Qt::Key key) = 0;  // typed into the floor view
  virtual void ChooseRow(int row) = 0;
  virtual void SetBox(editor::OrientationBox box, bool checked) = 0;
  virtual void SetLinkMode(bool on) = 0;
  virtual void SetFloor(int floor) = 0;  // the floor selector moved to a position
  virtual void Click(Command command) = 0;
};

// The editor alone: the actions go straight to it and what the user sees is its state.
class NoWindows final : public HarnessWindows {
 public:
  bool Open(editor::Editor& editor) override {
    editor_ = &editor;
    return editor.Start();
  }
  void Close() override { editor_ = nullptr; }
  QString FloorCaption() override { return editor_->State().floorCaption; }
  QString LinksCaption() override { return editor_->State().linksCaption; }
  QString Label() override { return editor_->State().label; }
  int Floor() override { return editor_->State().floor; }
  int SelectedRow() override { return editor_->State().selectedRow; }
  bool BoxChecked(editor::OrientationBox box) override {
    return editor_->State().orientation[static_cast<std::size_t>(box)];
  }
  void Press(Qt::MouseButton button, QPoint at) override {
    editor_->PressFloor(button, Qt::NoModifier, at.x(), at.y());
  }
  void Move(QPoint at) override { editor_->MoveOnFloor(Qt::NoModifier, at.x(), at.y()); }
  void Release(Qt::MouseButton button, QPoint at) override {
    editor_->ReleaseFloor(button, Qt::NoModifier, at.x(), at.y());
  }
  void Key(Qt::Key key) override { editor_->PressFloorKey(key, Qt::NoModifier); }
  void ChooseRow(int row) override { editor_->ChoosePaletteRow(row); }
  void SetBox(editor::OrientationBox box, bool checked) override {
    editor_->SetOrientationBox(box, checked);
  }
  void SetLinkMode(bool on) override { editor_->SetLinkMode(on); }
  void SetFloor(int floor) override { editor_->SetFloorSelector(floor); }
  void Click(Command command) override {
    switch (command) {
      case Command::kLoad:
        return editor_->ClickLoad();
      case Command::kSave:
        return editor_->ClickSave();
      case Command::kBuild:
        return editor_->ClickBuild();
    }
  }

 private:
  editor::Editor* editor_ = nullptr;
};

}  // namespace cw::testing
