// Load and Save: the level file chosen in a dialog, read into the lists or written from them.
#include <QDir>
#include <utility>

#include "document/level_file.h"
#include "editor/editor.h"
#include "editor/text_bytes.h"

namespace cw::editor {

namespace {

// Level and map files are offered in the folder "works" below the current directory.
QString WorksFolder() {
  return QDir::current().absoluteFilePath(QStringLiteral("works"));
}

}  // namespace

FileDialogRequest Editor::LevelDialogRequest(FileDialogRequest::Kind kind) const {
  return {kind, QStringLiteral("pwl"), QStringLiteral("texte Pellowmar (*.pwl)"), WorksFolder(),
          FromBytes(Level().DocumentName)};
}

FileDialogRequest Editor::MapDialogRequest() const {
  return {FileDialogRequest::Kind::kSave, QStringLiteral("map"),
          QStringLiteral("texte QuakeEd input (*.map)"), WorksFolder(),
          FromBytes(Level().DocumentName)};
}

void Editor::Button4Click() {
  // Changes that were not saved are not lost without a word; a cancel changes nothing.
  const std::optional<QString> chosen =
      MayLoseChanges() ? services_.chooseFile(LevelDialogRequest(FileDialogRequest::Kind::kOpen))
                       : std::nullopt;
  if (chosen) {
    const BusyWhile busy(services_.showBusy);
    platform::IoValue<document::LoadedLevel> loaded = document::LoadLevelFile(ToBytes(*chosen));
    if (!loaded && loaded.status != platform::IoStatus::kNotFound) {
      // A file that exists but cannot be read changes nothing.
      ReportError(QString::fromStdString(loaded.error));
    } else {
      // A name that does not exist gives a new, empty level under that name.
      saved_.MarkSaved(loaded.value.level);
      document_.Replace(std::move(loaded.value.level), document::ChangeCause::kNewLevel);
      ShowNewLevel();
      pending_.raiseFloorView = true;
    }
  }
  SetLinkCountCaption();
}

bool Editor::Button5Click() {
  const std::optional<QString> chosen =
      services_.chooseFile(LevelDialogRequest(FileDialogRequest::Kind::kSave));
  if (!chosen) return false;
  const std::string path = ToBytes(*chosen);
  const BusyWhile busy(services_.showBusy);
  const platform::IoResult saved = document::SaveLevelFile(path, Level());
  if (!saved) {
    // The level keeps its old name when the file could not be written.
    ReportError(QString::fromStdString(saved.error));
    return false;
  }
  saved_.MarkSaved(Level());
  document_.Rename(document::DocumentNameFromPath(path));
  SetFloorCaption();
  return true;
}

}  // namespace cw::editor
