// Load and Save: the level file chosen in a dialog, read into the lists or written from them.
#include <QDir>
#include <utility>

#include "document/level_file.h"
#include "editor/editor.h"
#include "editor/palette.h"

namespace cw::editor {

namespace {

// Level and map files are offered in the folder "works" below the current directory.
QString WorksFolder() {
  return QDir::current().absoluteFilePath(QStringLiteral("works"));
}

}  // namespace

FileDialogRequest Editor::LevelDialogRequest(FileDialogRequest::Kind kind) const {
  return {kind, QStringLiteral("pwl"), QStringLiteral("texte Pellowmar (*.pwl)"), WorksFolder(),
          FromBytes(state_.level.DocumentName)};
}

FileDialogRequest Editor::MapDialogRequest() const {
  return {FileDialogRequest::Kind::kSave, QStringLiteral("map"),
          QStringLiteral("texte QuakeEd input (*.map)"), WorksFolder(),
          FromBytes(state_.level.DocumentName)};
}

void Editor::Button4Click() {
  const std::optional<QString> chosen =
      services_.chooseFile(LevelDialogRequest(FileDialogRequest::Kind::kOpen));
  if (chosen) {
    document::LoadResult loaded = document::LoadLevelFile(ToBytes(*chosen));
    if (loaded.status == document::LoadStatus::kFailed) {
      // A file that exists but cannot be read changes nothing.
      ReportError(QString::fromStdString(loaded.error));
    } else {
      // A name that does not exist gives a new, empty level under that name.
      state_.level.DocumentName = std::move(loaded.level.DocumentName);
      SetFloorCaption();
      state_.level.BlockList = std::move(loaded.level.BlockList);
      state_.level.LinkList = std::move(loaded.level.LinkList);
      RedrawFloor();
      if (LinkModeOn()) DrawFloorLinks();
      DrawLeakOverlay();
      ToggleMarkerOnFloor();
      floorView_->BringToFront();
    }
  }
  SetLinkCountCaption();
}

void Editor::Button5Click() {
  const std::optional<QString> chosen =
      services_.chooseFile(LevelDialogRequest(FileDialogRequest::Kind::kSave));
  if (!chosen) return;
  const std::string path = ToBytes(*chosen);
  const platform::IoResult saved = document::SaveLevelFile(path, state_.level);
  if (!saved) {
    // The level keeps its old name when the file could not be written.
    ReportError(QString::fromStdString(saved.error));
    return;
  }
  state_.level.DocumentName = document::DocumentNameFromPath(path);
  SetFloorCaption();
}

}  // namespace cw::editor
