// Load and Save: the level file chosen in a dialog, read into the lists or written from them.
#include <QDir>
#include <filesystem>
#include <system_error>
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

int Editor::Ask(const QString& text, const QStringList& buttons) {
  return services_.ask ? services_.ask({text, buttons}) : 0;
}

void Editor::Button4Click() {
  // Changes that were not saved are not lost without a word; a cancel changes nothing.
  const std::optional<QString> chosen =
      MayLoseChanges() ? services_.chooseFile(LevelDialogRequest(FileDialogRequest::Kind::kOpen))
                       : std::nullopt;
  if (chosen) {
    const std::string path = ToBytes(*chosen);
    const BusyWhile busy(services_.showBusy);
    platform::IoValue<document::LoadedLevel> loaded = document::LoadLevelFile(path);
    if (!loaded && loaded.status != platform::IoStatus::kNotFound) {
      // A file that exists but cannot be read changes nothing.
      ReportError(QString::fromStdString(loaded.error));
    } else if (loaded.value.looksLikeLevel ||
               Ask(QStringLiteral("%1 does not look like a level file. Load it anyway?")
                       .arg(FromBytes(document::DocumentNameFromPath(path))),
                   {QStringLiteral("Load"), QStringLiteral("Cancel")}) == 0) {
      // A name that does not exist gives a new, empty level under that name.
      ShowLoadedLevel(std::move(loaded.value.level), path);
      pending_.raiseFloorView = true;
    }
  }
  SetLinkCountCaption();
}

void Editor::NewLevel() {
  if (!MayLoseChanges()) return;
  ShowLoadedLevel(document::Level{}, {});
  SetLinkCountCaption();
}

void Editor::ShowLoadedLevel(document::Level level, std::string path) {
  saved_.MarkSaved(level);
  levelFile_ = std::move(path);
  document_.Replace(std::move(level), document::ChangeCause::kNewLevel);
  ShowNewLevel();
}

bool Editor::MayReplace(const std::string& path) {
  // The level's own file is saved over without a word; any other existing file is asked about.
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return true;
  if (!levelFile_.empty() && std::filesystem::equivalent(path, levelFile_, error)) return true;
  return Ask(QStringLiteral("%1 exists already. Replace it with the level %2?")
                 .arg(FromBytes(path), FromBytes(Level().DocumentName)),
             {QStringLiteral("Replace"), QStringLiteral("Cancel")}) == 0;
}

bool Editor::Button5Click() {
  const std::optional<QString> chosen =
      services_.chooseFile(LevelDialogRequest(FileDialogRequest::Kind::kSave));
  if (!chosen) return false;
  const std::string path = ToBytes(*chosen);
  if (!MayReplace(path)) return false;
  const BusyWhile busy(services_.showBusy);
  const platform::IoResult saved = document::SaveLevelFile(path, Level());
  if (!saved) {
    // The level keeps its old name when the file could not be written.
    ReportError(QString::fromStdString(saved.error));
    return false;
  }
  saved_.MarkSaved(Level());
  levelFile_ = path;
  document_.Rename(document::DocumentNameFromPath(path));
  SetFloorCaption();
  return true;
}

}  // namespace cw::editor
