#pragma once

#include <QImage>
#include <QString>
#include <Qt>
#include <cstdint>
#include <functional>
#include <string>

#include "document/level.h"
#include "editor/block_picture.h"
#include "editor/compile_loop.h"
#include "editor/editor_services.h"
#include "editor/editor_windows.h"
#include "editor/level_history.h"
#include "editor/link_drag.h"
#include "editor/recovery_files.h"
#include "editor/saved_level.h"
#include "settings/placement_settings.h"

namespace cw::editor {

// What the editor holds between events: created before any window, alive until the program ends.
struct EditorState {
  document::Level level;                  // BlockList, LinkList, DocumentName
  settings::PlacementSettings placement;  // Bx, By, Bz, Ox, Oy, read at start-up for Build
  std::int32_t MarkerColumn = 0;          // the cell the marker is drawn on
  std::int32_t MarkerRow = 0;
  LinkDrag drag;
  QImage FloorSnapshot;  // the floor canvas with blocks only (no marker, links or rubber band)
};

// The editor: its state and the operations of the tool box that act on it. One Editor is created
// before any window, lives until the program ends and is passed by reference to the windows,
// which only forward their events here; it reaches the windows only through ToolBoxWindow and
// FloorViewWindow.
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

  const EditorState& State() const { return state_; }

  // ---- Windows -------------------------------------------------------------------------------
  // Connects the editor to the floor view and the tool box; both outlive every later call.
  void AttachWindows(FloorViewWindow& floorView, ToolBoxWindow& toolBox);

  // The tool box's construction: palette, preview, captions, settings, floor canvas size,
  // background, marker at (0, 0), "NoName". Throws PictureError when "Empty.bmp" is unusable.
  void ConstructToolBox();

  // Runs one event of a window to its end. Whatever the handler throws is shown once through the
  // error reporter and the program goes on; what the handler did before stands. The floor view
  // is repainted when the outermost handler ends.
  void RunHandler(const std::function<void()>& handler);
  void ReportError(const QString& message) const;

  // ---- Floor canvas --------------------------------------------------------------------------
  // The drawing surface of the floor view (Format_RGB32), kept between redraws.
  QImage& FloorCanvas() const;
  // The position of the floor selector, a 16-bit signed value.
  std::int32_t CurrentFloor() const;
  bool LinkModeOn() const;

  // Covers every whole cell of the floor canvas with the "Empty.bmp" tile.
  void FillBackground();
  // Draws the background and every block record of the current floor in list order, then takes
  // FloorSnapshot. Names without a palette item are drawn with the Unknown picture. Every picture
  // file is read anew at each redraw (once per redraw, however many blocks use it).
  void RedrawFloor();

  // ---- Palette and orientation ---------------------------------------------------------------
  // The user chose a palette item: label, plain preview, the three boxes cleared.
  void ListBox1Click();
  // A box changed state: the chosen picture previewed turned by the boxes.
  void CheckBoxClick();
  // 1 for X flip + 2 for Y flip + 4 for Rotate.
  std::int32_t CurrentOrientation() const;
  // The text of the selected palette item ("" for the empty item or no selection).
  QString SelectedItemText() const;
  // The block name of the selected palette item, the bytes of its picture's file name.
  std::string SelectedItemName() const;

  // ---- Commands ------------------------------------------------------------------------------
  void Button4Click();  // Load
  void Button5Click();  // Save
  void Button6Click();  // Build

  // ---- The compile loop (compile_commands.cpp) -----------------------------------------------
  // Connects the compile log window, or disconnects it with nullptr.
  void AttachCompileLog(CompileLogWindow* window) { compile_.AttachWindow(window); }
  // Check: the level's findings and its budget into the compile log, without building.
  void CheckClick();
  // Opens the compile log window again.
  void ShowCompileLog();
  // A click on a line of the log: a line that names a cell moves the floor selector to its floor
  // (as a floor change does) and the marker to the cell.
  void CompileLogLineClicked(std::size_t line);
  const CompileLog& Log() const { return compile_.Log(); }
  bool BatchRunning() const { return compile_.BatchRunning(); }

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

  // ---- Keeping the user's work ---------------------------------------------------------------
  // Takes the last change of the level back, or does it again, and shows the floor it changed:
  // the selector moves to that floor first when the change was on another floor only. Nothing
  // happens while a link drag runs.
  void Undo();
  void Redo();
  // Whether the lists differ from what the last confirmed Load or successful Save left.
  bool HasUnsavedChanges() const { return saved_.HasUnsavedChanges(state_.level); }
  // The floor view is being closed: with unsaved changes the user is asked whether to save them
  // first. True when the program may end (and then the recovery files are removed).
  bool ConfirmEnd();
  // At start-up: each recovery file that an editor in this folder left without a clean end is
  // offered, newest first, until one is restored.
  void OfferRecovery();

 private:
  friend struct EditorTestAccess;  // lets the tests set up a state directly

  // Loads a picture from the current directory; the file is read at every call.
  QImage LoadPicture(const std::string& fileName) { return pictures_.Load(fileName); }
  // Draws a picture on the tool box's preview at (0, 0), at its own size.
  void DrawPreview(const QImage& picture);
  // Sets a box from code; a change of state runs CheckBoxClick, as a click would.
  void SetOrientationBox(OrientationBox box, bool checked);
  QString PaletteItemText(int row) const { return toolBox_->PaletteItemText(row); }

  void SetFloorCaption();      // "  Floor 0    NoName"
  void SetLinkCountCaption();  // "Links  total 0"

  // The mouse steps of a press (floor_mouse.cpp).
  void PlaceOrErase(std::int32_t column, std::int32_t row);
  void Pick(std::int32_t column, std::int32_t row);

  // The link steps that the mouse handlers and the floor change share (link_mode.cpp).
  void DrawFloorLinks();
  void StartLinkDrag(std::int32_t x, std::int32_t y);
  // Draws the drag's rubber band in invert mode, which puts it on or takes it off.
  void InvertRubberBand();
  // Copies FloorSnapshot back onto the floor canvas, which wipes the links, the rubber band and
  // the marker. A snapshot of another size than the canvas (none taken yet) is not copied.
  void RestoreFloorSnapshot();
  // The cell's link view: only the links that start or end at the cell of the current floor,
  // and their counts in the caption of the link mode box.
  void ShowCellLinks(std::int32_t column, std::int32_t row);
  // ToggleMarker at the marker's cell: puts the marker on or takes it off.
  void ToggleMarkerOnFloor();

  // Asks about unsaved changes before they would be lost; true when the caller may go on.
  bool MayLoseChanges();
  // The Save command; true when the level was written.
  bool SaveCommand();
  // A change of the level: one history step, and the recovery file written after the event.
  void RecordStep(document::ListEdit edit);
  void RecordNewLevel(document::Level before);
  void LevelChanged();
  void WriteRecovery();
  // Shows a level that replaced the whole of the old one, as Load does.
  void ShowNewLevel();
  void ShowStep(const LevelStep& step);
  // Build's steps around the one build path (compile_commands.cpp).
  compiler::CheckReport StartBuildLog(const std::string& mapPath);
  compiler::WatchedPostBuild StartPostBuild(const std::string& mapPath);
  void EndBuildLog(const compiler::BuildOutcome& outcome, const compiler::CheckReport& check,
                   compiler::WatchedPostBuild batch);
  compiler::CheckReport CheckCurrentLevel() const;
  // The leak of the last Build on the current floor, after the links and before the marker.
  void DrawLeakOverlay();

  FileDialogRequest LevelDialogRequest(FileDialogRequest::Kind kind) const;
  FileDialogRequest MapDialogRequest() const;

  EditorState state_;
  EditorServices services_;
  LevelHistory history_;
  SavedLevel saved_;
  RecoveryFiles recovery_;
  bool recoveryPending_ = false;
  bool recoveryProblemShown_ = false;
  PictureLoader pictures_;
  std::vector<std::string> palette_;  // the block names of the palette's items, in their order
  FloorViewWindow* floorView_ = nullptr;
  ToolBoxWindow* toolBox_ = nullptr;
  int handlerDepth_ = 0;
  CompileLoop compile_;
};

}  // namespace cw::editor
