#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <Qt>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "compiler/build_session.h"
#include "document/level.h"
#include "document/level_document.h"
#include "editor/batch_watch.h"
#include "editor/block_picture.h"
#include "editor/compile_log.h"
#include "editor/editor_services.h"
#include "editor/editor_state.h"
#include "editor/editor_view.h"
#include "editor/level_history.h"
#include "editor/recovery_files.h"
#include "editor/region.h"
#include "editor/saved_level.h"

namespace cw::editor {

// How the floor is drawn anew: what the blocks layer starts from, and which links are drawn over
// it. The leak, the rubber band of a drag and the marker always follow, in that order.
enum class BlockLayer {
  kBackground,  // tiles only, no snapshot taken (start-up)
  kRedraw,      // RedrawFloor: the blocks from the records, and a new FloorSnapshot
  kSnapshot,    // FloorSnapshot copied back
  kCanvas,      // the canvas as it stands, its marker and band taken off, becomes FloorSnapshot
  kKeep,        // the canvas as it stands, its marker and band taken off; links drawn over it
};
enum class LinkLayer {
  kMode,  // every link of the floor when link mode is on
  kAll,   // every link of the floor, whatever the mode (the end of a link drag)
  kCell,  // the marker cell's own links, whatever the mode
};

// The editor: the level document, the editor's state (the floor, link mode, orientation,
// palette selection, marker, drag, zoom, the floor canvas and its snapshot, the captions) and
// the commands of the tool box and the floor view that act on them. It is created before any
// window and lives until the program ends; the windows show its state (EditorView) and forward
// the user's actions to the actions below. It runs without any window.
//
// Each action is one event: it runs to its end, and whatever it throws (a picture that cannot be
// loaded, PictureError) stops it at that step and is shown once through the error reporter; what
// it did before stands. The views are told at the end of every event.
class Editor final : public document::LevelObserver {
 public:
  explicit Editor(EditorServices services);
  ~Editor() override;
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  // ---- What the windows show -----------------------------------------------------------------
  const EditorState& State() const { return state_; }
  const document::Level& Level() const { return document_.level(); }
  // The level document, for views that follow the level itself and for setting up a level.
  document::LevelDocument& Document() { return document_; }
  const CompileLog& Log() const { return log_; }
  bool BatchRunning() const { return session_.BatchRunning(); }
  // The last compile's leak, in map units, until the next Build; empty for none.
  const std::vector<compiler::MapPoint>& LeakPath() const { return session_.LeakPath(); }
  // Whether the lists differ from what the last confirmed Load or successful Save left.
  bool HasUnsavedChanges() const { return saved_.HasUnsavedChanges(Level()); }
  // 1 for X flip + 2 for Y flip + 4 for Rotate.
  std::int32_t CurrentOrientation() const;
  // The text of the selected palette item as the palette shows it; "" for the empty item or none.
  QString SelectedItemText() const;

  void AddView(EditorView& view) { views_.push_back(&view); }
  // The one boundary of events: runs the handler to its end, reports what it throws once through
  // the error reporter, and tells the views once the outermost handler is over. Every action
  // below runs through it; a window with an event of its own runs it through here too.
  void RunHandler(const std::function<void()>& handler);
  void RemoveView(EditorView& view);
  // The font of the floor numbers of the link overlay: the floor view's own.
  void SetCanvasFont(const QFont& font) { state_.canvasFont = font; }

  // ---- Start-up and the end ------------------------------------------------------------------
  // The tool box's construction: palette, preview, captions, settings, floor canvas size,
  // background, marker at (0, 0), "NoName". False when it failed (no usable "Empty.bmp"); the
  // error was reported.
  bool Start();
  // Each recovery file that an editor in this folder left without a clean end is offered, newest
  // first, until one is restored.
  void OfferRecovery();
  // The floor view is being closed: with unsaved changes the user is asked whether to save them
  // first. True when the program may end (and then the recovery files are removed).
  bool ConfirmEnd();

  // ---- The user's actions --------------------------------------------------------------------
  // The floor view's mouse, in floor canvas pixels whatever the scroll position and zoom; moves
  // and the release keep coming outside the canvas while a button is held.
  void PressFloor(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  void MoveOnFloor(Qt::KeyboardModifiers modifiers, int x, int y);
  void ReleaseFloor(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  // A key pressed while the floor view is active (a Qt::Key value).
  void PressFloorKey(int key, Qt::KeyboardModifiers modifiers);
  // The floor selector's arrows moved it to this position (kept within -8 to 7); nothing runs
  // unless the position really changes.
  void SetFloorSelector(int position);
  // The user chose a palette row; nothing runs when it is the selected one or no row.
  void ChoosePaletteRow(int row);
  // The user ticked or cleared an orientation box, or the link mode box.
  void SetOrientationBox(OrientationBox box, bool checked);
  void SetLinkMode(bool on);
  void ClickNew();    // an empty level "NoName", after the question about unsaved changes
  void ClickLoad();   // Button4
  void ClickSave();   // Button5
  void ClickBuild();  // Button6
  void ClickCheck();
  // Stops the post-build batch being watched, and every tool it started.
  void ClickStopBatch();
  void ShowCompileLog();
  // A click on a line of the compile log: a line that names a cell shows that cell on its floor.
  void ClickLogLine(std::size_t line);
  // Shows a cell from another view (the 3D view): the floor selector moves to its floor, the
  // marker to the cell, the floor is drawn as a floor change draws it, and the floor view scrolls
  // to it.
  void ShowCell(const document::Cell& cell);
  // Takes the last change of the level back, or does it again, and shows the floor it changed.
  // Nothing happens while a link drag runs.
  void Undo();
  void Redo();
  // The floor view's zoom, kept within 1 to 4.
  void SetZoom(int factor);

  // ---- Families, regions and fill (painting_commands.cpp) ------------------------------------
  // Each change of the level below is one undo step and shows on the floor at once. The families
  // list chose a family, which the left button then paints; -1 (or a palette choice, or a pick)
  // goes back to plain blocks.
  void ChooseFamily(int index);
  // The selected region on the current floor: copied; copied and erased; erased. Links with both
  // ends inside go with the cells.
  void CopySelection();
  void CutSelection();
  void DeleteSelection();
  // The copied region with its top-left cell at the marker, on the current floor; the pasted
  // cells become the selection.
  void PasteAtMarker();
  // Turns the selected region in place by orientation flags, as a block turns: kRotate a quarter
  // turn counter-clockwise, kFlipX and kFlipY the mirrors. The selection turns with it.
  void TurnSelection(std::int32_t turn);
  // The empty cells connected to the marker's cell get the chosen block in the current
  // orientation, or the chosen family.
  void FillAtMarker();
  // The marker moves to the cell of a canvas point, as the middle button moves it, and the
  // selection stays: where the floor view's menu was opened.
  void MoveMarker(int x, int y);

  // ---- Drawing the floor canvas --------------------------------------------------------------
  // Covers every whole cell of the floor canvas with the "Empty.bmp" tile.
  void FillBackground();
  // Draws the background and every block record of the current floor in list order, then takes
  // FloorSnapshot. Names without a palette item are drawn with the Unknown picture. Every picture
  // file is read anew at each redraw (once per redraw, however many blocks use it).
  void RedrawFloor();

 private:
  void ReportError(const QString& message);
  void NotifyViews();

  // The level's change notification: every change is kept in the recovery file; undo and redo
  // show the floor they changed.
  void LevelChanged(const document::Level& level, const document::LevelChange& change) override;

  // The handlers, in the order of the events that run them.
  void ConstructToolBox();
  void FloorMouseDown(Qt::MouseButton button, std::int32_t x, std::int32_t y);
  void FloorMouseMove(std::int32_t x, std::int32_t y);
  void FloorMouseUp(std::int32_t x, std::int32_t y);
  void FormKeyDown(int key);
  void UpDown1Click();
  // The marker to the cell and the floor selector to its floor, then UpDown1Click.
  void GoToCell(const document::Cell& cell);
  void ListBox1Click();
  void CheckBoxClick();
  void LinksClick();
  void Button4Click();  // Load
  bool Button5Click();  // Save; true when the level was written
  void Button6Click();  // Build
  void CheckClick();
  void CompileLogLineClicked(std::size_t line);

  // ---- The floor composer (floor_composer.cpp) -----------------------------------------------
  // Draws the floor view's layers in their order: blocks, links, leak, rubber band, marker.
  void ComposeFloor(BlockLayer blocks, LinkLayer links = LinkLayer::kMode);
  // ToggleMarker at the marker's cell: puts the marker on or takes it off.
  void ToggleMarkerOnFloor();
  // Draws the drag's rubber band in invert mode, which puts it on or takes it off.
  void InvertRubberBand();

  // ---- Palette and orientation ---------------------------------------------------------------
  // Loads a picture from the current directory; the file is read at every call. Throws
  // PictureError when it cannot be loaded.
  QImage LoadPicture(const std::string& fileName) { return pictures_.Load(fileName); }
  // The file whose picture is drawn for `fileName` (picture_fallback.cpp): the file itself, or
  // the Unknown picture when it cannot be loaded (told once per file, until it loads again);
  // nothing when the Unknown picture cannot be loaded either. The file is loaded in pictures_.
  std::optional<std::string> DrawablePicture(const std::string& fileName);
  // The picture drawn for a file: its own or the Unknown picture; a null image for none.
  QImage LoadPictureOrUnknown(const std::string& fileName);
  // The block name of the selected palette item, the bytes of its picture's file name.
  std::string SelectedItemName() const;
  // Draws a picture on the preview at (0, 0), at its own size.
  void DrawPreview(const QImage& picture);
  // Sets a box from code; a change of state runs CheckBoxClick, as a click would.
  void SetOrientationBoxFromCode(OrientationBox box, bool checked);

  // A level that replaced the whole of the old one shown, as Load does.
  void ShowNewLevel();
  void SetFloorCaption();      // "  Floor 0    NoName"
  void SetLinkCountCaption();  // "Links  total 0"
  // Keeps the floor selector's rule: a 16-bit position within -8 to 7.
  void MoveFloorSelector(int position);

  // The mouse steps of a press (floor_mouse.cpp).
  void PlaceOrErase(std::int32_t column, std::int32_t row);
  void Pick(std::int32_t column, std::int32_t row);
  void StartLinkDrag(std::int32_t x, std::int32_t y);

  // ---- Families, regions and fill (painting_mouse.cpp, painting_commands.cpp) ----------------
  void ReadFamilies();
  // The mouse and the keys of families and regions; false when the event is none of theirs.
  bool PaintingPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, std::int32_t x,
                     std::int32_t y);
  bool PaintingMove(std::int32_t x, std::int32_t y);
  bool PaintingRelease(std::int32_t x, std::int32_t y);
  void PaintingKey(int key, Qt::KeyboardModifiers modifiers);
  // A family drag whose steps become one; any drag of the painting ends.
  void EndPaintingDrag();
  void PaintFamilyAt(const document::Cell& cell);
  // The empty item over a cell of a family erases it and chooses its neighbours again.
  bool BelongsToAFamily(const document::Cell& cell) const;
  // Draws the cells of the current floor that the edits changed, each with its new block's
  // picture (or the background tile), as a placement draws its cell; `except` is left as it is.
  void DrawChangedCells(const std::vector<document::ListEdit>& edits,
                        const std::optional<document::Cell>& except = std::nullopt);
  // A region command's edits as one step; the floor is drawn again when the level changed.
  void EditFloor(const std::function<std::vector<document::ListEdit>(document::Level&)>& command);
  void Copy();
  void EraseSelection();
  void Paste();
  void Turn(std::int32_t turn);
  void Fill();
  // The floor's grid of whole cells.
  Grid FloorGrid() const;

  // ---- Keeping the user's work ---------------------------------------------------------------
  bool MayLoseChanges();
  // Asks a question of the user; the index of the button chosen.
  int Ask(const QString& text, const QStringList& buttons);
  // Save asks before it replaces a file that is not this level's own.
  bool MayReplace(const std::string& path);
  // A level that takes the place of the whole of the old one, from a file (or none for New).
  void ShowLoadedLevel(document::Level level, std::string path);
  void NewLevel();
  void ScheduleRecovery();
  void WriteRecovery();

  // ---- Build and Check (compile_commands.cpp) ------------------------------------------------
  // Where the build session's lines go: the compile log.
  compiler::LogSink LogSink();
  // The log starts anew for a Build or a Check, and its window opens.
  void StartLog();
  // The batch's output can be read: its lines into the log; its leak drawn.
  void BatchOutputReady();
  // A Build while the last batch still runs asks whether to stop it first; false for Cancel.
  bool MayStartAnotherBatch();
  void StopBatch();

  FileDialogRequest LevelDialogRequest(FileDialogRequest::Kind kind) const;
  FileDialogRequest MapDialogRequest() const;

  EditorServices services_;
  document::LevelDocument document_;
  std::string levelFile_;  // the file the level was last loaded from or saved to; none for New
  EditorState state_;
  LevelHistory history_;
  SavedLevel saved_;
  RecoveryFiles recovery_;
  bool recoveryPending_ = false;
  bool recoveryProblemTold_ = false;
  PictureLoader pictures_;
  std::set<std::string> brokenPictures_;  // told once already, until they load again
  compiler::BuildSession session_;
  CompileLog log_;
  bool logChanged_ = false;
  bool showLog_ = false;
  BatchWatch batchWatch_;

  std::vector<EditorView*> views_;
  int handlerDepth_ = 0;
  ViewUpdate pending_;  // what the views are asked to do at the end of the event
  qint64 shownCanvas_ = 0;
  qint64 shownPreview_ = 0;
};

}  // namespace cw::editor
