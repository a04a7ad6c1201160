#include "editor/editor.h"

#include <QDir>
#include <algorithm>
#include <exception>
#include <utility>

#include "editor/captions.h"
#include "editor/marker.h"
#include "editor/palette.h"
#include "editor/text_bytes.h"

namespace cw::editor {

namespace {

// Counts the handlers running, also when one ends by an exception.
class HandlerDepth {
 public:
  explicit HandlerDepth(int& depth) : depth_(depth) { ++depth_; }
  ~HandlerDepth() { --depth_; }
  HandlerDepth(const HandlerDepth&) = delete;
  HandlerDepth& operator=(const HandlerDepth&) = delete;
  bool Outermost() const { return depth_ == 1; }

 private:
  int& depth_;
};

// The floor view's image before start-up gives it its size: 1024 by 1024 white pixels.
constexpr int kLayoutCanvasSide = 1024;
constexpr int kPreviewSide = 32;

QImage WhiteImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

}  // namespace

Editor::Editor(EditorServices services)
    : services_(std::move(services)),
      recovery_(services_.recoveryFolder, QDir::currentPath()),
      session_(services_.processRunner != nullptr ? *services_.processRunner
                                                  : platform::SystemProcessRunner()) {
  state_.FloorCanvas = WhiteImage(kLayoutCanvasSide, kLayoutCanvasSide);
  state_.preview = WhiteImage(kPreviewSide, kPreviewSide);
  // The history records each change before the floor view shows it.
  document_.AddObserver(history_);
  document_.AddObserver(*this);
}

Editor::~Editor() {
  document_.RemoveObserver(*this);
  document_.RemoveObserver(history_);
}

void Editor::RemoveView(EditorView& view) {
  std::erase(views_, &view);
}

void Editor::RunHandler(const std::function<void()>& handler) {
  // Events arrive one at a time; one raised inside a handler runs inside the outer one and
  // reports its own error, since nothing may be thrown through Qt.
  const HandlerDepth depth(handlerDepth_);
  try {
    handler();
  } catch (const std::exception& error) {
    ReportError(QString::fromStdString(error.what()));
  } catch (...) {
    ReportError(QStringLiteral("An unexpected error stopped the command."));
  }
  if (depth.Outermost()) NotifyViews();
}

void Editor::ReportError(const QString& message) {
  // What the handler drew so far shows while the message is up.
  NotifyViews();
  if (services_.reportError) services_.reportError(message);
}

void Editor::NotifyViews() {
  // The images' keys change whenever anything drew on them or replaced them: only then are they
  // repainted, not after every move of the mouse.
  ViewUpdate update = std::exchange(pending_, {});
  update.canvasChanged = state_.FloorCanvas.cacheKey() != shownCanvas_;
  update.previewChanged = state_.preview.cacheKey() != shownPreview_;
  update.logChanged = std::exchange(logChanged_, false);
  update.showLog = std::exchange(showLog_, false);
  shownCanvas_ = state_.FloorCanvas.cacheKey();
  shownPreview_ = state_.preview.cacheKey();
  const std::vector<EditorView*> views = views_;
  for (EditorView* view : views) view->EditorChanged(*this, update);
}

void Editor::LevelChanged(const document::Level&, const document::LevelChange& change) {
  ScheduleRecovery();
  // The leak of the last Build belongs to the level that was built, the selection to the cells
  // it was made on.
  if (change.replaced) {
    session_.ForgetLeak();
    state_.painting.selection.reset();
  }
  // A command draws what it changed itself; undo and redo show the floor that changed, the
  // selector moved to it first when the change was on other floors only.
  if (change.cause != document::ChangeCause::kUndo &&
      change.cause != document::ChangeCause::kRedo) {
    return;
  }
  if (!change.floors.empty() &&
      std::find(change.floors.begin(), change.floors.end(), state_.floor) == change.floors.end()) {
    MoveFloorSelector(change.floors.front());
  }
  UpDown1Click();
}

void Editor::ShowNewLevel() {
  SetFloorCaption();
  ComposeFloor(BlockLayer::kRedraw);
}

std::int32_t Editor::CurrentOrientation() const {
  return (state_.orientation[0] ? document::kFlipX : 0) +
         (state_.orientation[1] ? document::kFlipY : 0) +
         (state_.orientation[2] ? document::kRotate : 0);
}

QString Editor::SelectedItemText() const {
  return DisplayName(SelectedItemName());
}

std::string Editor::SelectedItemName() const {
  const int row = state_.selectedRow;
  return row >= 0 && static_cast<std::size_t>(row) < state_.palette.size()
             ? state_.palette[static_cast<std::size_t>(row)]
             : std::string();
}

void Editor::SetFloorCaption() {
  state_.floorCaption = FromBytes(FloorCaption(state_.floor, Level().DocumentName));
}

void Editor::SetLinkCountCaption() {
  state_.linksCaption = FromBytes(LinkCountCaption(Level().LinkList.size()));
}

void Editor::MoveFloorSelector(int position) {
  // The selector holds a 16-bit signed position and keeps it within -8 to 7.
  state_.floor = static_cast<std::int16_t>(std::clamp(position, -8, 7));
}

// ---- The user's actions: each one event ------------------------------------------------------

bool Editor::Start() {
  bool started = false;
  RunHandler([&] {
    ConstructToolBox();
    started = true;
    ReadFamilies();
  });
  return started;
}

void Editor::OfferRecovery() {
  RunHandler([&] {
    for (const RecoveryFiles::Orphan& orphan : recovery_.Orphans()) {
      const std::optional<document::Level> restored = RecoveryFiles::Read(orphan);
      if (!restored) continue;
      const RestoreAnswer answer =
          services_.askToRestore
              ? services_.askToRestore(FromBytes(restored->DocumentName), orphan.written)
              : RestoreAnswer::kDiscard;
      // Restored or not, the file is taken over: its level lives on in this run's own file.
      RecoveryFiles::Discard(orphan);
      if (answer == RestoreAnswer::kDiscard) continue;
      saved_.MarkUnsaved();
      document_.Replace(*restored, document::ChangeCause::kNewLevel);
      ShowNewLevel();
      SetLinkCountCaption();
      return;
    }
  });
}

bool Editor::ConfirmEnd() {
  bool mayEnd = false;
  RunHandler([&] {
    if (!MayLoseChanges()) return;
    recovery_.Remove();
    mayEnd = true;
  });
  return mayEnd;
}

void Editor::PressFloor(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
  RunHandler([&] {
    if (!PaintingPress(button, modifiers, x, y)) FloorMouseDown(button, x, y);
  });
}

void Editor::MoveOnFloor(Qt::KeyboardModifiers, int x, int y) {
  RunHandler([&] {
    if (!PaintingMove(x, y)) FloorMouseMove(x, y);
  });
}

void Editor::ReleaseFloor(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
  RunHandler([&] {
    if (!PaintingRelease(x, y)) FloorMouseUp(x, y);
  });
}

void Editor::PressFloorKey(int key, Qt::KeyboardModifiers modifiers) {
  RunHandler([&] {
    FormKeyDown(key);
    PaintingKey(key, modifiers);
  });
}

void Editor::SetFloorSelector(int position) {
  RunHandler([&] {
    const std::int32_t before = state_.floor;
    MoveFloorSelector(position);
    if (state_.floor != before) UpDown1Click();
  });
}

void Editor::ChoosePaletteRow(int row) {
  RunHandler([&] {
    if (row < 0 || static_cast<std::size_t>(row) >= state_.palette.size()) return;
    // A palette item paints plain blocks, also the one already selected.
    state_.painting.family = -1;
    if (row == state_.selectedRow) return;
    state_.selectedRow = row;
    ListBox1Click();
  });
}

void Editor::SetOrientationBox(OrientationBox box, bool checked) {
  RunHandler([&] { SetOrientationBoxFromCode(box, checked); });
}

void Editor::SetLinkMode(bool on) {
  RunHandler([&] {
    if (state_.linkMode == on) return;
    state_.linkMode = on;
    LinksClick();
  });
}

void Editor::ClickNew() {
  RunHandler([&] { NewLevel(); });
}

void Editor::ClickLoad() {
  RunHandler([&] { Button4Click(); });
}

void Editor::ClickSave() {
  RunHandler([&] { Button5Click(); });
}

void Editor::ClickBuild() {
  RunHandler([&] { Button6Click(); });
}

void Editor::ClickCheck() {
  RunHandler([&] { CheckClick(); });
}

void Editor::ClickStopBatch() {
  RunHandler([&] { StopBatch(); });
}

void Editor::ShowCompileLog() {
  RunHandler([&] { showLog_ = true; });
}

void Editor::ClickLogLine(std::size_t line) {
  RunHandler([&] { CompileLogLineClicked(line); });
}

void Editor::ShowCell(const document::Cell& cell) {
  RunHandler([&] { GoToCell(cell); });
}

void Editor::Undo() {
  RunHandler([&] {
    if (!state_.drag.LinkDragActive && state_.painting.drag == PaintingDrag::kNone)
      history_.Undo(document_);
  });
}

void Editor::Redo() {
  RunHandler([&] {
    if (!state_.drag.LinkDragActive && state_.painting.drag == PaintingDrag::kNone)
      history_.Redo(document_);
  });
}

void Editor::SetZoom(int factor) {
  RunHandler([&] { state_.zoom = std::clamp(factor, 1, 4); });
}

}  // namespace cw::editor
