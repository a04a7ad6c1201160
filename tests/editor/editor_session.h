#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <Qt>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "forms/start_up.h"
#include "support/test_files.h"

namespace cw::testing {

// The colour of a test picture's pixel (x, y): every block has its own colours and no picture
// looks the same after any turn or mirror, so a drawn cell tells which picture and orientation
// it shows.
QRgb TestPictureColour(const std::string& blockName, int x, int y);

// Writes the 8-bit, 32 by 32 test picture of a block ("B" gives "B.bmp") into a folder.
void WriteTestPicture(const std::filesystem::path& folder, const std::string& blockName);

// The whole editor on real widgets in a fresh working folder that holds the pictures of the
// given blocks ("Empty" among them for a working start-up) and a settings file for a small
// canvas. Dialogs and error messages go to recorders; mouse and keys go through QTest.
class EditorSession {
 public:
  explicit EditorSession(const std::vector<std::string>& blocks = {"Empty", "B", "C", "Unknown"},
                         int canvasWidth = 320, int canvasHeight = 256,
                         const std::string& extraSettings = "");
  ~EditorSession();

  editor::Editor& Editor() { return *editor_; }
  forms::TForm1& ToolBox() { return *windows_->toolBox; }
  forms::TForm2& FloorView() { return *windows_->floorView; }
  QImage& Canvas() { return editor_->FloorCanvas(); }
  // The floor canvas with the marker taken off (drawn once more at its cell).
  QImage CanvasWithoutMarker();
  const std::filesystem::path& Folder() const { return folder_.path(); }
  std::vector<std::string>& BlockList() { return editor_->level.BlockList; }
  std::vector<std::string>& LinkList() { return editor_->level.LinkList; }

  // Mouse on the floor canvas, in canvas pixels.
  void Press(Qt::MouseButton button, QPoint at);
  void Move(QPoint at);
  void Release(Qt::MouseButton button, QPoint at);
  void Click(Qt::MouseButton button, QPoint at);  // press and release at one point
  // A key typed into the floor view (to its focused scroll area).
  void Key(Qt::Key key);

  // The user's choice of a palette item by its text, and of the three orientation boxes.
  void ChooseItem(const QString& text);
  void SetBoxes(bool xFlip, bool yFlip, bool rotate);
  void SetLinkMode(bool on);

  int Floor() const;
  QString FloorCaption();
  QString LinksCaption();
  QString SelectedItem();  // the text of the selected palette item; "<none>" without one
  int Orientation();
  QImage Preview();

  // The next file dialog answers with this path (relative to the folder); nothing = cancel.
  void AnswerNextDialog(std::optional<std::string> relativePath);
  const std::vector<QString>& Errors() const { return errors_; }
  const std::vector<std::string>& PostBuilds() const { return postBuilds_; }

  // The picture of a block turned by flags, as the table of orientations gives it.
  static QImage OrientedTestPicture(const std::string& blockName, int flags);
  // Whether the cell (column, row) of an image shows this picture.
  static bool CellShows(const QImage& canvas, int column, int row, const QImage& picture);

 private:
  TempDir folder_;
  std::unique_ptr<CurrentDirectoryGuard> directory_;
  std::unique_ptr<editor::Editor> editor_;
  std::optional<forms::EditorWindows> windows_;
  std::deque<std::optional<std::string>> answers_;
  std::vector<QString> errors_;
  std::vector<std::string> postBuilds_;
};

}  // namespace cw::testing
