#pragma once

#include <QImage>
#include <QPoint>
#include <QStringList>
#include <Qt>
#include <chrono>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "gui_support/harness_windows.h"
#include "gui_support/picture_checks.h"
#include "support/recording_runner.h"
#include "support/test_files.h"

namespace cw::testing {

// One of the level's two lists as a test sees it: read like the list, and set as a whole or a
// record at a time through the level document, as a Load or an edit would change it: the history
// and the recovery file hear of it; nothing is drawn.
class RecordList {
 public:
  RecordList(editor::Editor& editor, document::LevelList list) : editor_(editor), list_(list) {}
  const std::vector<std::string>& Records() const;
  operator const std::vector<std::string>&() const { return Records(); }
  bool operator==(const std::vector<std::string>& records) const { return Records() == records; }
  std::size_t size() const { return Records().size(); }
  bool empty() const { return Records().empty(); }
  const std::string& back() const { return Records().back(); }
  const std::string& operator[](std::size_t index) const { return Records()[index]; }
  auto begin() const { return Records().begin(); }
  auto end() const { return Records().end(); }

  // The whole list replaced, as a new level; the other list and the name stay.
  RecordList& operator=(const std::vector<std::string>& records);
  // A record appended, as a command's edit.
  void push_back(const std::string& record);
  void clear() { *this = std::vector<std::string>{}; }

 private:
  editor::Editor& editor_;
  document::LevelList list_;
};
void PrintTo(const RecordList& list, std::ostream* out);

// What the windows were asked to show, event by event.
class ViewRecorder final : public editor::EditorView {
 public:
  void EditorChanged(const editor::Editor& editor, const editor::ViewUpdate& update) override;
  int Repaints() const { return repaints_; }
  // The preview at the end of each event that drew on it, oldest first.
  std::vector<QImage>& PreviewsShown() { return previews_; }
  bool FloorViewRaised() const { return raised_ > 0; }
  // How often the tool box was given new notices to show.
  int NoticesShown() const { return noticesShown_; }

 private:
  int repaints_ = 0;
  int noticesShown_ = 0;
  std::size_t notices_ = 0;
  int raised_ = 0;
  std::vector<QImage> previews_;
};

// The test pictures most tests start with.
inline const std::vector<std::string> kStandardBlocks = {"Empty", "B", "C", "Unknown"};

// The editor of the program in a fresh working folder made the current directory, with its
// windows (stand-ins unless given the program's own) and recorders in place of the dialogs, the
// error box, the post-build step and standard error. The tests act as the user does, through
// the windows, and read back the level, the canvas and the captions.
class EditorHarness {
 public:
  // Nothing is written and no window opens until Start().
  // Without windows given, the actions go straight to the editor.
  explicit EditorHarness(std::unique_ptr<HarnessWindows> windows = nullptr);
  // Writes the test pictures of the blocks ("Empty" among them for a working start-up), a
  // settings file for a canvas of that size and a "works" folder, and starts.
  EditorHarness(const std::vector<std::string>& blocks, int canvasWidth = 320,
                int canvasHeight = 256, const std::string& extraSettings = "",
                std::unique_ptr<HarnessWindows> windows = nullptr);
  virtual ~EditorHarness();
  EditorHarness(const EditorHarness&) = delete;
  EditorHarness& operator=(const EditorHarness&) = delete;

  // ---- The working folder --------------------------------------------------------------------
  const std::filesystem::path& Folder() const { return folder_.path(); }
  // The absolute path of a file in the folder, as text.
  std::string File(const std::string& relativePath) const;
  void WritePicture(const std::string& blockName, const IndexedPicture& picture);
  void WriteTestPicture(const std::string& blockName);

  // Opens the windows as the program's start-up does; false when start-up failed. A second
  // Start() closes the windows first and starts again in the same folder.
  bool Start();
  void Close();
  // The program ends without a clean end (a crash, a killed process): the windows and the editor
  // go without a word, and a new editor starts in the same folder with the same recovery folder.
  bool CrashAndStartAgain();

  // ---- The editor and what it holds ----------------------------------------------------------
  editor::Editor& Editor() { return *editor_; }
  const editor::EditorState& State() { return editor_->State(); }
  RecordList BlockList() { return {*editor_, document::LevelList::kBlocks}; }
  RecordList LinkList() { return {*editor_, document::LevelList::kLinks}; }
  const QImage& Canvas() { return State().FloorCanvas; }
  // The floor canvas with the marker taken off (drawn once more at its cell).
  QImage CanvasWithoutMarker();
  const QImage& Preview() { return State().preview; }
  QFont CanvasFont() { return State().canvasFont.value_or(QFont()); }
  HarnessWindows& Windows() { return *windows_; }
  ViewRecorder& Views() { return views_; }

  // ---- The user ------------------------------------------------------------------------------
  void Press(Qt::MouseButton button, QPoint at) { windows_->Press(button, at); }
  void Move(QPoint at) { windows_->Move(at); }
  void Release(Qt::MouseButton button, QPoint at) { windows_->Release(button, at); }
  void Click(Qt::MouseButton button, QPoint at);  // press and release at one point
  void Key(Qt::Key key) { windows_->Key(key); }
  void ChooseItem(const QString& text);
  void SetBox(editor::OrientationBox box, bool checked) { windows_->SetBox(box, checked); }
  void SetBoxes(bool xFlip, bool yFlip, bool rotate);
  void SetLinkMode(bool on) { windows_->SetLinkMode(on); }
  void SetFloor(int floor) { windows_->SetFloor(floor); }
  void RunCommand(Command command) { windows_->Click(command); }
  // Answers the next file dialog with a path relative to the folder, then runs the command.
  void Load(const std::string& path);
  void Save(const std::string& path);
  void Build(const std::string& path);

  // ---- What the windows show -----------------------------------------------------------------
  int Floor() { return windows_->Floor(); }
  QString FloorCaption() { return windows_->FloorCaption(); }
  QString LinksCaption() { return windows_->LinksCaption(); }
  QString Label() { return windows_->Label(); }
  QString SelectedItem();  // the text of the selected palette item; "<none>" without one
  QStringList PaletteItems();
  int Orientation() { return editor_->CurrentOrientation(); }
  bool BoxChecked(editor::OrientationBox box) { return windows_->BoxChecked(box); }

  // ---- The recorders -------------------------------------------------------------------------
  // The next file dialog answers with this path relative to the folder; nothing is a cancel.
  void AnswerNextDialog(std::optional<std::string> relativePath);
  // The next file dialog answers with this path as it stands; a null text is a cancel.
  void AnswerNextDialogWith(const QString& path);
  const std::vector<editor::FileDialogRequest>& Requests() const { return requests_; }
  QStringList& Errors() { return errors_; }
  // The map of each post-build batch that Build started.
  std::vector<std::string> PostBuilds() const { return runner_.MapPaths(); }
  const std::vector<std::string>& Warnings() const { return warnings_; }
  // The answers to the question about unsaved changes, in turn; "Discard" when none is left.
  void AnswerNextSaveQuestion(editor::SaveAnswer answer) { saveAnswers_.push_back(answer); }
  const QStringList& SaveQuestions() const { return saveQuestions_; }
  // The answers to the other questions (the index of a button), in turn; the first button (the
  // default) when none is left. The texts of the questions asked.
  void AnswerNextQuestion(int button) { answersToQuestions_.push_back(button); }
  const QStringList& Questions() const { return questions_; }
  // The answers to the question about a recovery file, in turn; "Discard" when none is left.
  void AnswerNextRestoreQuestion(editor::RestoreAnswer answer) {
    restoreAnswers_.push_back(answer);
  }
  const QStringList& RestoreQuestions() const { return restoreQuestions_; }
  const std::filesystem::path& RecoveryFolder() const { return recoveryFolder_.path(); }
  // From now on Build starts the real post-build batch of the folder with its output watched,
  // still recording the map path.
  void WatchPostBuild() { runner_.watch = true; }
  // Runs the event loop until no batch is watched any more; false if it still runs after the
  // timeout.
  bool WaitForBatch(std::chrono::milliseconds timeout = std::chrono::seconds(10));

 private:
  editor::EditorServices RecordingServices();

  TempDir folder_;
  CurrentDirectoryGuard inFolder_{folder_.path()};
  std::deque<QString> answers_;
  std::vector<editor::FileDialogRequest> requests_;
  QStringList errors_;
  std::vector<std::string> warnings_;
  std::deque<editor::SaveAnswer> saveAnswers_;
  std::deque<int> answersToQuestions_;
  QStringList questions_;
  QStringList saveQuestions_;
  std::deque<editor::RestoreAnswer> restoreAnswers_;
  QStringList restoreQuestions_;
  TempDir recoveryFolder_;
  RecordingRunner runner_;
  std::unique_ptr<editor::Editor> editor_;
  std::unique_ptr<HarnessWindows> windows_;
  ViewRecorder views_;
  bool open_ = false;
};

}  // namespace cw::testing
