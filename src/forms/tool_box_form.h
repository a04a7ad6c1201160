#pragma once

#include <QWidget>

#include "editor/editor_windows.h"
#include "forms/canvas_image.h"
#include "forms/up_down_control.h"

class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace cw::editor {
class Editor;
}

namespace cw::forms {

// The tool box: a tool window that stays on top of the floor view, with the commands, the block
// palette, the orientation boxes, the preview, the floor selector and the link mode box. Every
// control sits at its layout position; every event is forwarded to the editor.
class TForm1 : public QWidget, public editor::ToolBoxWindow {
  Q_OBJECT

 public:
  TForm1(editor::Editor& editor, QWidget* floorView);

  // What the editor reads and sets.
  int FloorSelectorPosition() const override;
  void SetFloorSelectorPosition(int position) override;
  bool LinkModeChecked() const override;
  void SetLinksCaption(const QString& caption) override;
  bool OrientationBoxChecked(editor::OrientationBox box) const override;
  void SetOrientationBoxChecked(editor::OrientationBox box, bool checked) override;
  void SetPaletteItems(const QStringList& items) override;
  int PaletteItemCount() const override;
  QString PaletteItemText(int row) const override;
  int SelectedPaletteRow() const override;
  void SelectPaletteRow(int row) override;
  QImage& PreviewCanvas() override { return Image1->Canvas(); }
  void PreviewChanged() override { Image1->CanvasChanged(); }
  void ShowRecoveryProblem(const QString& message) override;

  QPushButton* Button4 = nullptr;   // "Load"
  QPushButton* Button5 = nullptr;   // "Save"
  QPushButton* Button6 = nullptr;   // "Build"
  QCheckBox* Links = nullptr;       // link mode; its caption shows the link counts
  QListWidget* ListBox1 = nullptr;  // the block palette
  QLabel* Label1 = nullptr;         // the chosen block's name
  QFrame* Panel1 = nullptr;
  QCheckBox* CheckBox1 = nullptr;     // "X  Flip"
  QCheckBox* CheckBox2 = nullptr;     // "Y  Flip"
  QCheckBox* CheckBox3 = nullptr;     // "Rotate"
  CanvasImage* Image1 = nullptr;      // the preview, 32 by 32
  QLabel* RecoveryWarning = nullptr;  // under the preview, shown when no recovery file is kept
  UpDownControl* UpDown1 = nullptr;   // the floor selector, -8 to 7

  // Sets the label's text; the label is as wide as its text, centred on it, 13 pixels high.
  void SetLabel1Caption(const QString& text) override;

 private:
  QCheckBox* Box(editor::OrientationBox box) const;
  void ConnectEvents(editor::Editor& editor);
};

}  // namespace cw::forms
