#include "editor/editor.h"

#include <QDir>
#include <utility>

#include "document/level_file.h"
#include "editor/marker.h"
#include "editor/palette.h"
#include "forms/floor_view_form.h"

namespace cw::editor {

namespace {

// Level and map files are offered in the folder "works" below the current directory.
QString WorksFolder() {
  return QDir::current().absoluteFilePath(QStringLiteral("works"));
}

}  // namespace

FileDialogRequest Editor::LevelDialogRequest(FileDialogRequest::Kind kind) const {
  return {kind, QStringLiteral("pwl"), QStringLiteral("texte Pellowmar (*.pwl)"), WorksFolder(),
          FromBytes(level.DocumentName)};
}

FileDialogRequest Editor::MapDialogRequest() const {
  return {FileDialogRequest::Kind::kSave, QStringLiteral("map"),
          QStringLiteral("texte QuakeEd input (*.map)"), WorksFolder(),
          FromBytes(level.DocumentName)};
}

void Editor::Button4Click() {
  const std::optional<QString> chosen =
      services_.chooseFile(LevelDialogRequest(FileDialogRequest::Kind::kOpen));
  if (chosen) {
    const std::string path = ToBytes(*chosen);
    document::LoadResult loaded = document::LoadLevelFile(path);
    if (loaded.status == document::LoadStatus::kFailed) {
      // A file that exists but cannot be read changes nothing.
      ReportError(QString::fromStdString(loaded.error));
    } else {
      // A name that does not exist gives a new, empty level under that name.
      level.DocumentName = document::DocumentNameFromPath(path);
      SetFloorCaption();
      level.BlockList = std::move(loaded.records.BlockList);
      level.LinkList = std::move(loaded.records.LinkList);
      RedrawFloor();
      if (LinkModeOn()) DrawFloorLinks();
      ToggleMarker(FloorCanvas(), MarkerColumn, MarkerRow);
      floorView_->show();
      floorView_->raise();
      floorView_->activateWindow();
    }
  }
  SetLinkCountCaption();
}

void Editor::Button5Click() {
  const std::optional<QString> chosen =
      services_.chooseFile(LevelDialogRequest(FileDialogRequest::Kind::kSave));
  if (!chosen) return;
  const std::string path = ToBytes(*chosen);
  const platform::IoResult saved = document::SaveLevelFile(path, level);
  if (!saved) {
    // The level keeps its old name when the file could not be written.
    ReportError(QString::fromStdString(saved.error));
    return;
  }
  level.DocumentName = document::DocumentNameFromPath(path);
  SetFloorCaption();
}

}  // namespace cw::editor
