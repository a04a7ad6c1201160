#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

#include "editor/editor.h"
#include "editor/editor_windows.h"

namespace cw::testing {

// The tool box's three commands.
enum class Command { kLoad, kSave, kBuild };

// The windows an editor under test works with: the program's own widgets, or plain values that
// stand in for them. Either way the user's actions reach the editor's handlers as they would in
// the program, each as one event through Editor::RunHandler.
class HarnessWindows {
 public:
  virtual ~HarnessWindows() = default;

  // Opens the windows and runs the tool box's construction, as the program's start-up does.
  // False when the construction failed; its error was then reported.
  virtual bool Open(editor::Editor& editor) = 0;
  virtual void Close() = 0;

  virtual editor::ToolBoxWindow& ToolBox() = 0;
  virtual editor::FloorViewWindow& FloorView() = 0;

  // What the windows show that the editor only ever sets.
  virtual QString FloorCaption() = 0;
  virtual QString LinksCaption() = 0;
  virtual QString Label() = 0;
  virtual bool FloorViewShown() = 0;  // shown and brought to the front

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

}  // namespace cw::testing
