#include "editor_session.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>

#include "editor/marker.h"
#include "forms/floor_view_form.h"
#include "forms/tool_box_form.h"

namespace cw::testing {

namespace {

int NameSeed(const std::string& blockName) {
  int seed = 17;
  for (const char c : blockName) seed = (seed * 31 + static_cast<unsigned char>(c)) & 0xff;
  return seed;
}

// The palette index of a test picture's pixel.
int TestPictureIndex(int x, int y) {
  return (x * 5 + y * 11 + (x * y) % 7) & 0xff;
}

}  // namespace

QRgb TestPictureColour(const std::string& blockName, int x, int y) {
  const int index = TestPictureIndex(x, y);
  return qRgb(NameSeed(blockName), index, 255 - (index * 3 & 0xff));
}

void WriteTestPicture(const std::filesystem::path& folder, const std::string& blockName) {
  QImage picture(32, 32, QImage::Format_Indexed8);
  QList<QRgb> colours;
  for (int i = 0; i < 256; ++i) colours.append(qRgb(NameSeed(blockName), i, 255 - (i * 3 & 0xff)));
  picture.setColorTable(colours);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) picture.setPixel(x, y, static_cast<uint>(TestPictureIndex(x, y)));
  const std::string path = (folder / (blockName + ".bmp")).string();
  ASSERT_TRUE(picture.save(QString::fromStdString(path), "BMP")) << path;
}

EditorSession::EditorSession(const std::vector<std::string>& blocks, int canvasWidth,
                             int canvasHeight, const std::string& extraSettings) {
  for (const std::string& block : blocks) WriteTestPicture(folder_.path(), block);
  std::filesystem::create_directory(folder_.path() / "works");
  WriteFileBytes(folder_.path() / "PellEd.ini",
                 CrLfLines({"[Area]", "Ax=" + std::to_string(canvasWidth),
                            "Ay=" + std::to_string(canvasHeight)}) +
                     extraSettings);
  directory_ = std::make_unique<CurrentDirectoryGuard>(folder_.path());
  editor::EditorServices services;
  services.chooseFile = [this](const editor::FileDialogRequest&) -> std::optional<QString> {
    if (answers_.empty()) return std::nullopt;
    const std::optional<std::string> answer = answers_.front();
    answers_.pop_front();
    if (!answer) return std::nullopt;
    return QString::fromStdString((folder_.path() / *answer).string());
  };
  services.reportError = [this](const QString& message) { errors_.push_back(message); };
  services.runPostBuild = [this](const std::string& mapPath) {
    postBuilds_.push_back(mapPath);
    return true;
  };
  editor_ = std::make_unique<editor::Editor>(services);
  windows_ = forms::OpenWindows(*editor_);
  if (!windows_) ADD_FAILURE() << "the windows did not open";
  QFont font("DejaVu Sans");
  font.setPixelSize(12);
  FloorView().Image1->setFont(font);
}

EditorSession::~EditorSession() {
  windows_.reset();
  editor_.reset();
}

QImage EditorSession::CanvasWithoutMarker() {
  QImage canvas = Canvas().copy();
  editor::ToggleMarker(canvas, Editor().MarkerColumn, Editor().MarkerRow);
  return canvas;
}

void EditorSession::Press(Qt::MouseButton button, QPoint at) {
  QTest::mousePress(FloorView().Image1, button, Qt::NoModifier, at);
}

void EditorSession::Move(QPoint at) {
  QTest::mouseMove(FloorView().Image1, at);
}

void EditorSession::Release(Qt::MouseButton button, QPoint at) {
  QTest::mouseRelease(FloorView().Image1, button, Qt::NoModifier, at);
}

void EditorSession::Click(Qt::MouseButton button, QPoint at) {
  Press(button, at);
  Release(button, at);
}

void EditorSession::Key(Qt::Key key) {
  QTest::keyClick(FloorView().ScrollArea, key);
}

void EditorSession::ChooseItem(const QString& text) {
  const QList<QListWidgetItem*> found = ToolBox().ListBox1->findItems(text, Qt::MatchExactly);
  ASSERT_FALSE(found.isEmpty()) << text.toStdString();
  ToolBox().ListBox1->setCurrentItem(found.front());
}

void EditorSession::SetBoxes(bool xFlip, bool yFlip, bool rotate) {
  ToolBox().CheckBox1->setChecked(xFlip);
  ToolBox().CheckBox2->setChecked(yFlip);
  ToolBox().CheckBox3->setChecked(rotate);
}

void EditorSession::SetLinkMode(bool on) {
  ToolBox().Links->setChecked(on);
}

int EditorSession::Floor() const {
  return windows_->toolBox->UpDown1->value();
}

QString EditorSession::FloorCaption() {
  return FloorView().windowTitle();
}

QString EditorSession::LinksCaption() {
  return ToolBox().Links->text();
}

QString EditorSession::SelectedItem() {
  const QListWidgetItem* item = ToolBox().ListBox1->currentItem();
  return item != nullptr && ToolBox().ListBox1->currentRow() >= 0 ? item->text()
                                                                  : QStringLiteral("<none>");
}

int EditorSession::Orientation() {
  return Editor().CurrentOrientation();
}

QImage EditorSession::Preview() {
  return ToolBox().Image1->Canvas();
}

void EditorSession::AnswerNextDialog(std::optional<std::string> relativePath) {
  answers_.push_back(std::move(relativePath));
}

QImage EditorSession::OrientedTestPicture(const std::string& blockName, int flags) {
  // Where the pixel (x, y) of a 32 by 32 picture goes for each orientation.
  QImage turned(32, 32, QImage::Format_RGB32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const int n = 31;
      QPoint to;
      switch (flags) {
        case 1:
          to = {n - x, y};
          break;
        case 2:
          to = {x, n - y};
          break;
        case 3:
          to = {n - x, n - y};
          break;
        case 4:
          to = {y, n - x};
          break;
        case 5:
          to = {n - y, n - x};
          break;
        case 6:
          to = {y, x};
          break;
        case 7:
          to = {n - y, x};
          break;
        default:
          to = {x, y};
          break;
      }
      turned.setPixel(to, TestPictureColour(blockName, x, y));
    }
  }
  return turned;
}

bool EditorSession::CellShows(const QImage& canvas, int column, int row, const QImage& picture) {
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (canvas.pixel(32 * column + x, 32 * row + y) != picture.pixel(x, y)) return false;
  return true;
}

}  // namespace cw::testing
