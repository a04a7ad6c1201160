#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

// What the editor needs of its two windows, and nothing more. The tool box (TForm1) and the floor
// view (TForm2) implement these; the editor's tests implement them with plain values. Every
// setter is quiet: it changes the control without running the control's own event, so that only
// the user's actions run the handlers.
namespace cw::editor {

// The three orientation boxes, CheckBox1 to CheckBox3.
enum class OrientationBox { kXFlip, kYFlip, kRotate };

class ToolBoxWindow {
 public:
  virtual ~ToolBoxWindow() = default;

  // The floor selector UpDown1: its position, and a new position kept within -8 to 7.
  virtual int FloorSelectorPosition() const = 0;
  virtual void SetFloorSelectorPosition(int position) = 0;

  // The link mode box Links and its caption.
  virtual bool LinkModeChecked() const = 0;
  virtual void SetLinksCaption(const QString& caption) = 0;

  virtual bool OrientationBoxChecked(OrientationBox box) const = 0;
  virtual void SetOrientationBoxChecked(OrientationBox box, bool checked) = 0;

  // The palette ListBox1: its items in order, and the selected row (-1 for none). Setting the
  // items selects row 0; selecting row -1 leaves no item selected; the text of a row that holds
  // no item is empty.
  virtual void SetPaletteItems(const QStringList& items) = 0;
  virtual int PaletteItemCount() const = 0;
  virtual QString PaletteItemText(int row) const = 0;
  virtual int SelectedPaletteRow() const = 0;
  virtual void SelectPaletteRow(int row) = 0;

  // The label under the palette: as wide as its text, centred on it.
  virtual void SetLabel1Caption(const QString& text) = 0;

  // The 32 by 32 preview Image1: its drawing surface, and the call that shows what was drawn.
  virtual QImage& PreviewCanvas() = 0;
  virtual void PreviewChanged() = 0;

  // Tells the user, without a message box, that the recovery file cannot be written.
  virtual void ShowRecoveryProblem(const QString& message) = 0;
};

class FloorViewWindow {
 public:
  virtual ~FloorViewWindow() = default;

  // The floor canvas (Format_RGB32), kept between repaints; a new size gives a new white canvas.
  virtual QImage& FloorCanvas() = 0;
  virtual void SetFloorCanvasSize(int width, int height) = 0;
  virtual void FloorCanvasChanged() = 0;
  // The font of the floor numbers of the link overlay: the floor canvas's own.
  virtual QFont FloorCanvasFont() const = 0;

  // The window's title, the floor view caption.
  virtual void SetFloorCaption(const QString& caption) = 0;
  // Shows the window in front of the others and gives it the focus.
  virtual void BringToFront() = 0;
  // Scrolls the view so that the box of canvas pixels can be seen; a view without scrolling
  // has nothing to do.
  virtual void ScrollToShow(int /*left*/, int /*top*/, int /*width*/, int /*height*/) {}
};

}  // namespace cw::editor
