#include "editor/editor.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <filesystem>
#include <system_error>

#include "app/settings.h"
#include "document/level.h"
#include "editor/marker.h"
#include "editor/palette.h"
#include "forms/floor_view_form.h"
#include "forms/tool_box_form.h"

namespace cw::editor {

namespace {

// "PellEd.ini" in the current directory, by its full path when the directory can be named.
std::string SettingsPath() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  if (error) return app::kSettingsFileName;
  return (folder / app::kSettingsFileName).string();
}

}  // namespace

void Editor::ConstructToolBox() {
  // The palette: every picture of the current directory, sorted, the empty item selected. The
  // selection is the program's, not the user's, so the palette's click does not run.
  QStringList items = ScanPaletteItems(".");
  SortPaletteItems(items);
  {
    const QSignalBlocker quiet(toolBox_->ListBox1);
    toolBox_->ListBox1->clear();
    toolBox_->ListBox1->addItems(items);
    toolBox_->ListBox1->setCurrentRow(0);
  }
  DrawPreview(LoadPicture(PictureFileName(kEmptyBlockName)));

  LinkDragActive = false;
  MarkerColumn = 0;
  MarkerRow = 0;
  SetLinkCountCaption();

  const app::Settings settings = app::ReadSettingsFile(SettingsPath());
  placement = settings.block;
  floorView_->Image1->SetSurfaceSize(settings.Ax, settings.Ay);

  FillBackground();
  ToggleMarker(FloorCanvas(), MarkerColumn, MarkerRow);
  level.DocumentName = document::kNewDocumentName;
  SetFloorCaption();
  floorView_->Image1->CanvasChanged();
}

}  // namespace cw::editor
