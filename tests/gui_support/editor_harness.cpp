#include "gui_support/editor_harness.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QThread>

#include "editor/palette.h"

#include "document/level_change.h"
#include "document/list_edit.h"
#include "editor/marker.h"

namespace cw::testing {

const std::vector<std::string>& RecordList::Records() const {
  const document::Level& level = editor_.Level();
  return list_ == document::LevelList::kBlocks ? level.BlockList : level.LinkList;
}

RecordList& RecordList::operator=(const std::vector<std::string>& records) {
  document::Level level = editor_.Level();
  (list_ == document::LevelList::kBlocks ? level.BlockList : level.LinkList) = records;
  editor_.Document().Replace(std::move(level), document::ChangeCause::kNewLevel);
  return *this;
}

void RecordList::push_back(const std::string& record) {
  const std::size_t index = size();
  editor_.Document().Edit([&](document::Level& level) {
    const document::ListEdit edit{list_, std::nullopt, document::RecordAt{index, record}};
    document::ApplyEdit(level, edit);
    return std::vector<document::ListEdit>{edit};
  });
}

void PrintTo(const RecordList& list, std::ostream* out) {
  *out << ::testing::PrintToString(list.Records());
}

void ViewRecorder::EditorChanged(const editor::Editor& editor, const editor::ViewUpdate& update) {
  if (update.canvasChanged) ++repaints_;
  if (update.previewChanged) previews_.push_back(editor.State().preview.copy());
  if (update.raiseFloorView) ++raised_;
  if (editor.State().notices.size() != notices_) {
    notices_ = editor.State().notices.size();
    ++noticesShown_;
  }
}

EditorHarness::EditorHarness(std::unique_ptr<HarnessWindows> windows)
    : editor_(std::make_unique<editor::Editor>(RecordingServices())),
      windows_(windows ? std::move(windows) : std::make_unique<NoWindows>()) {
  editor_->AddView(views_);
  // A post-build batch for Build to find; the recording runner runs it only when watching.
  WriteFileBytes(Folder() / "PellPost.BAT", "exit 0\n");
}

EditorHarness::EditorHarness(const std::vector<std::string>& blocks, int canvasWidth,
                             int canvasHeight, const std::string& extraSettings,
                             std::unique_ptr<HarnessWindows> windows)
    : EditorHarness(std::move(windows)) {
  for (const std::string& block : blocks) WriteTestPicture(block);
  std::filesystem::create_directory(Folder() / "works");
  WriteFileBytes(Folder() / "PellEd.ini", CrLfLines({"[Area]", "Ax=" + std::to_string(canvasWidth),
                                                     "Ay=" + std::to_string(canvasHeight)}) +
                                              extraSettings);
  if (!Start()) ADD_FAILURE() << "the windows did not open: " << errors_.join('\n').toStdString();
}

EditorHarness::~EditorHarness() {
  Close();
}

editor::EditorServices EditorHarness::RecordingServices() {
  editor::EditorServices services;
  services.chooseFile = [this](const editor::FileDialogRequest& request) -> std::optional<QString> {
    requests_.push_back(request);
    if (answers_.empty()) return std::nullopt;
    const QString answer = answers_.front();
    answers_.pop_front();
    if (answer.isNull()) return std::nullopt;
    return answer;
  };
  services.reportError = [this](const QString& message) { errors_.append(message); };
  services.warn = [this](const std::string& message) { warnings_.push_back(message); };
  services.askToSave = [this](const QString& documentName) {
    saveQuestions_.append(documentName);
    if (saveAnswers_.empty()) return editor::SaveAnswer::kDiscard;
    const editor::SaveAnswer answer = saveAnswers_.front();
    saveAnswers_.pop_front();
    return answer;
  };
  services.ask = [this](const editor::Question& question) {
    questions_.append(question.text);
    if (answersToQuestions_.empty()) return 0;
    const int answer = answersToQuestions_.front();
    answersToQuestions_.pop_front();
    return answer;
  };
  services.askToRestore = [this](const QString& documentName, const QDateTime&) {
    restoreQuestions_.append(documentName);
    if (restoreAnswers_.empty()) return editor::RestoreAnswer::kDiscard;
    const editor::RestoreAnswer answer = restoreAnswers_.front();
    restoreAnswers_.pop_front();
    return answer;
  };
  services.recoveryFolder = QString::fromStdString((recoveryFolder_.path() / "recovery").string());
  services.processRunner = &runner_;
  return services;
}

std::string EditorHarness::File(const std::string& relativePath) const {
  return (Folder() / relativePath).string();
}

void EditorHarness::WritePicture(const std::string& blockName, const IndexedPicture& picture) {
  WriteBmp8(Folder() / (blockName + ".bmp"), picture);
}

void EditorHarness::WriteTestPicture(const std::string& blockName) {
  WritePicture(blockName, BlockTestPicture(blockName));
}

bool EditorHarness::Start() {
  Close();
  open_ = true;
  // A font of known glyphs for the floor numbers of the link overlay.
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  const bool started = windows_->Open(*editor_);
  editor_->SetCanvasFont(font);
  return started;
}

void EditorHarness::Close() {
  if (!open_) return;
  windows_->Close();
  open_ = false;
}

bool EditorHarness::CrashAndStartAgain() {
  Close();
  editor_ = std::make_unique<editor::Editor>(RecordingServices());
  editor_->AddView(views_);
  return Start();
}

QImage EditorHarness::CanvasWithoutMarker() {
  QImage canvas = Canvas().copy();
  editor::ToggleMarker(canvas, State().MarkerColumn, State().MarkerRow);
  return canvas;
}

bool EditorHarness::WaitForBatch(std::chrono::milliseconds timeout) {
  const auto until = std::chrono::steady_clock::now() + timeout;
  while (editor_->BatchRunning()) {
    if (std::chrono::steady_clock::now() > until) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return true;
}

void EditorHarness::Click(Qt::MouseButton button, QPoint at) {
  Press(button, at);
  Release(button, at);
}

void EditorHarness::ChooseItem(const QString& text) {
  const QStringList items = PaletteItems();
  const auto row = items.indexOf(text);
  ASSERT_GE(row, 0) << text.toStdString();
  windows_->ChooseRow(static_cast<int>(row));
}

void EditorHarness::SetBoxes(bool xFlip, bool yFlip, bool rotate) {
  SetBox(editor::OrientationBox::kXFlip, xFlip);
  SetBox(editor::OrientationBox::kYFlip, yFlip);
  SetBox(editor::OrientationBox::kRotate, rotate);
}

void EditorHarness::Load(const std::string& path) {
  AnswerNextDialog(path);
  RunCommand(Command::kLoad);
}

void EditorHarness::Save(const std::string& path) {
  AnswerNextDialog(path);
  RunCommand(Command::kSave);
}

void EditorHarness::Build(const std::string& path) {
  AnswerNextDialog(path);
  RunCommand(Command::kBuild);
}

QString EditorHarness::SelectedItem() {
  const int row = windows_->SelectedRow();
  const QStringList items = PaletteItems();
  return row >= 0 && row < items.size() ? items[row] : QStringLiteral("<none>");
}

QStringList EditorHarness::PaletteItems() {
  QStringList items;
  for (const std::string& item : State().palette) items.append(editor::DisplayName(item));
  return items;
}

void EditorHarness::AnswerNextDialog(std::optional<std::string> relativePath) {
  answers_.push_back(relativePath ? QString::fromStdString(File(*relativePath)) : QString());
}

void EditorHarness::AnswerNextDialogWith(const QString& path) {
  answers_.push_back(path);
}

}  // namespace cw::testing
