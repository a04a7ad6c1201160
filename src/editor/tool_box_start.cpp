// The tool box's construction at start-up.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "document/level.h"
#include "editor/editor.h"
#include "editor/palette.h"
#include "settings/settings.h"

namespace cw::editor {

namespace {

// "PellEd.ini" in the current directory, by its full path when the directory can be named.
std::string SettingsPath() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  if (error) return settings::kSettingsFileName;
  return (folder / settings::kSettingsFileName).string();
}

// The largest side the floor canvas gets: 16384 pixels (512 cells) keep it within 1 GiB.
constexpr int kMaxCanvasSide = 16384;

}  // namespace

void Editor::ConstructToolBox() {
  // The palette: every picture of the current directory, sorted, the empty item selected. The
  // selection is the program's, not the user's, so the palette's click does not run.
  PaletteScan scan = ScanPaletteItems(".");
  for (const std::string& refused : scan.refused) {
    if (services_.warn) {
      services_.warn("the picture \"" + refused +
                     "\" is left out of the palette: its name holds a control character");
    }
  }
  SortPaletteItems(scan.items);
  state_.palette = std::move(scan.items);
  state_.selectedRow = state_.palette.empty() ? -1 : 0;
  DrawPreview(LoadPicture(PictureFileName(kEmptyBlockName)));

  state_.drag.LinkDragActive = false;
  state_.MarkerColumn = 0;
  state_.MarkerRow = 0;
  SetLinkCountCaption();

  settings::SettingsFile settings = settings::LoadSettingsFile(SettingsPath());
  state_.settings = std::move(settings.settings);
  if (!settings.warning.empty()) {
    // A PellEd.ini that cannot be used gives the defaults; the user is told in the tool box and
    // in the compile log.
    state_.notices.push_back(
        {QStringLiteral("PellEd.ini not used"), QString::fromStdString(settings.warning)});
    log_.Add({compiler::LogLineKind::kWarning, settings.warning, std::nullopt, {}});
    logChanged_ = true;
  }
  // The canvas gets its size, as a new white surface, before anything is drawn on it.
  state_.FloorCanvas =
      QImage(std::clamp(state_.settings.Ax, 0, kMaxCanvasSide),
             std::clamp(state_.settings.Ay, 0, kMaxCanvasSide), QImage::Format_RGB32);
  state_.FloorCanvas.fill(Qt::white);

  ComposeFloor(BlockLayer::kBackground);
  document_.Rename(document::kNewDocumentName);
  SetFloorCaption();
}

}  // namespace cw::editor
