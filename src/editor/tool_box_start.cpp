// The tool box's construction at start-up.
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
  palette_ = std::move(scan.items);
  QStringList shown;
  for (const std::string& item : palette_) shown.append(DisplayName(item));
  toolBox_->SetPaletteItems(shown);
  DrawPreview(LoadPicture(PictureFileName(kEmptyBlockName)));

  state_.drag.LinkDragActive = false;
  state_.MarkerColumn = 0;
  state_.MarkerRow = 0;
  SetLinkCountCaption();

  const settings::Settings settings = settings::ReadSettingsFile(SettingsPath());
  state_.placement = settings.block;
  compile_.SetSettings(settings);
  floorView_->SetFloorCanvasSize(settings.Ax, settings.Ay);

  FillBackground();
  ToggleMarkerOnFloor();
  state_.level.DocumentName = document::kNewDocumentName;
  SetFloorCaption();
  floorView_->FloorCanvasChanged();
}

}  // namespace cw::editor
