#pragma once

#include <memory>
#include <optional>

#include "forms/start_up.h"
#include "gui_support/harness_windows.h"

namespace cw::testing {

// The program's own three windows, opened by its start-up; the user's actions are mouse and key
// events sent to the widgets, or the controls set as a click would set them.
class RealWindows final : public HarnessWindows {
 public:
  bool Open(editor::Editor& editor) override;
  void Close() override { windows_.reset(); }
  QString FloorCaption() override;
  QString LinksCaption() override;
  QString Label() override;
  int Floor() override;
  int SelectedRow() override;
  bool BoxChecked(editor::OrientationBox box) override;
  void Press(Qt::MouseButton button, QPoint at) override;
  void Move(QPoint at) override;
  void Release(Qt::MouseButton button, QPoint at) override;
  void Key(Qt::Key key) override;
  void ChooseRow(int row) override;
  void SetBox(editor::OrientationBox box, bool checked) override;
  void SetLinkMode(bool on) override;
  void SetFloor(int floor) override;
  void Click(Command command) override;

  forms::TForm1& Form1() { return *windows_->toolBox; }
  forms::TForm2& Form2() { return *windows_->floorView; }
  forms::TForm3* Form3() { return windows_ ? windows_->about.get() : nullptr; }
  forms::TCompileLog& CompileLog() { return *windows_->compileLog; }
  forms::TFamilies& Families() { return *windows_->families; }

 private:
  std::optional<forms::EditorWindows> windows_;
};

inline std::unique_ptr<HarnessWindows> MakeRealWindows() {
  return std::make_unique<RealWindows>();
}

}  // namespace cw::testing
