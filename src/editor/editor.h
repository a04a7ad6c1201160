#pragma once

#include <QImage>
#include <QString>
#include <Qt>
#include <cstdint>
#include <functional>
#include <string>

#include "compiler/placement_settings.h"
#include "document/level.h"
#include "editor/block_picture.h"
#include "editor/editor_services.h"

class QCheckBox;

namespace cw::forms {
class TForm1;
class TForm2;
}  // namespace cw::forms

namespace cw::editor {

// The editor: the level, the placement settings read at start-up, the cell marker, the link drag
// and the floor snapshot, with the operations of the tool box that act on them. One Editor is
// created before any window, lives until the program ends and is passed by reference to the
// windows, which only forward their events here.
//
// The current floor has no variable: it is the position of the floor selector, read through
// CurrentFloor() whenever it is needed. Pictures are looked up in the current directory.
//
// Operations that load a picture throw PictureError when the file cannot be read; a handler then
// stops at that step. Events from the windows run through RunHandler(), which reports the error
// once and lets the program go on.
class Editor {
 public:
  explicit Editor(EditorServices services);
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  // ---- The editor state, created before any window -------------------------------------------
  document::Level level;                  // BlockList, LinkList, DocumentName
  compiler::PlacementSettings placement;  // Bx, By, Bz, Ox, Oy, for Build
  std::int32_t MarkerColumn = 0;          // the cell the marker is drawn on
  std::int32_t MarkerRow = 0;
  bool LinkDragActive = false;  // a link drag runs from a press in link mode to the next release
  std::int32_t LinkStartFloor = 0;  // the floor where the drag began
  std::int32_t LinkStartX = 0;      // centre of the cell where the drag began, in canvas pixels
  std::int32_t LinkStartY = 0;
  std::int32_t LinkEndX = 0;  // free end of the rubber band: the last pointer position
  std::int32_t LinkEndY = 0;
  QImage FloorSnapshot;  // the floor canvas with blocks only (no marker, links or rubber band)

  // ---- Windows -------------------------------------------------------------------------------
  // Connects the editor to the floor view and the tool box; both outlive every later call.
  void AttachWindows(forms::TForm2& floorView, forms::TForm1& toolBox);
  forms::TForm1& ToolBox() const { return *toolBox_; }
  forms::TForm2& FloorView() const { return *floorView_; }

  // The tool box's construction: palette, preview, captions, settings, floor canvas size,
  // background, marker at (0, 0), "NoName". Throws PictureError when "Empty.bmp" is unusable.
  void ConstructToolBox();

  // Runs one event of a window to its end. A PictureError (or any other exception) thrown by the
  // handler is shown once through the error reporter and the program goes on; what the handler
  // did before stands. The floor view is repainted afterwards.
  void RunHandler(const std::function<void()>& handler);
  void ReportError(const QString& message) const;

  // ---- Floor canvas --------------------------------------------------------------------------
  // The drawing surface of the floor view (Format_RGB32), kept between redraws.
  QImage& FloorCanvas() const;
  // The position of the floor selector.
  std::int32_t CurrentFloor() const;
  bool LinkModeOn() const;

  // Covers every whole cell of the floor canvas with the "Empty.bmp" tile.
  void FillBackground();
  // Draws the background and every block record of the current floor in list order, then takes
  // FloorSnapshot. Names without a palette item are drawn with the Unknown picture. Every picture
  // file is read anew at each redraw (once per redraw, however many blocks use it).
  void RedrawFloor();

  // ---- Palette, orientation and preview ------------------------------------------------------
  // The user chose a palette item: label, plain preview, the three boxes cleared.
  void ListBox1Click();
  // A box changed state: the chosen picture previewed turned by the boxes.
  void CheckBoxClick();
  // Sets a box from code; a change of state runs CheckBoxClick, as a click would.
  void SetCheckBoxState(QCheckBox& box, bool checked);
  // 1 for X flip + 2 for Y flip + 4 for Rotate.
  std::int32_t CurrentOrientation() const;
  // The text of the selected palette item ("" for the empty item or no selection).
  QString SelectedItemText() const;
  // Draws a picture on the tool box's preview at (0, 0), at its own size.
  void DrawPreview(const QImage& picture);

  // Loads a picture from the current directory; the file is read at every call.
  QImage LoadPicture(const std::string& fileName) { return pictures_.Load(fileName); }

  // ---- Captions ------------------------------------------------------------------------------
  void SetFloorCaption();      // "  Floor 0    NoName"
  void SetLinkCountCaption();  // "Links  total 0"

  // ---- Commands ------------------------------------------------------------------------------
  void Button4Click();  // Load
  void Button5Click();  // Save
  void Button6Click();  // Build

  // ---- Mouse editing, links and floor changes ------------------------------------------------
  // The floor view forwards its events here: pixel positions of the floor canvas, whatever the
  // scroll position; moves and the release keep coming outside the canvas while a button is held.
  void FloorMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void FloorMouseMove(Qt::KeyboardModifiers shift, int x, int y);
  void FloorMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  // A key pressed while the floor view is active (a Qt::Key value).
  void FormKeyDown(int key, Qt::KeyboardModifiers shift);
  // The floor selector changed position.
  void UpDown1Click();
  // The link mode box changed state.
  void LinksClick();
  // Draws the link overlay of the current floor.
  void DrawFloorLinks();

 private:
  FileDialogRequest LevelDialogRequest(FileDialogRequest::Kind kind) const;
  FileDialogRequest MapDialogRequest() const;
  QString PaletteItemText(int index) const;

  EditorServices services_;
  PictureLoader pictures_;
  forms::TForm2* floorView_ = nullptr;
  forms::TForm1* toolBox_ = nullptr;
  int handlerDepth_ = 0;
};

}  // namespace cw::editor
