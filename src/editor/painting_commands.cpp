// The commands of families, regions and fill: the families read at start-up, the family chosen,
// copy, cut, delete, paste, turn and fill, and their keys on the floor view. Every command that
// changes the level does it as one step of the history and draws the floor again.
#include <QDir>
#include <string>

#include "editor/editor.h"
#include "editor/family_file.h"
#include "editor/fill.h"
#include "editor/region_copy.h"
#include "editor/region_transform.h"

namespace cw::editor {
void Editor::ReadFamilies() {
  // Beside the settings file, in the current directory; a kit without it has no families.
  const std::string path =
      QDir::current().absoluteFilePath(QString::fromLatin1(kFamiliesFileName)).toStdString();
  FamiliesRead read = ReadFamiliesFile(path);
  for (const std::string& warning : read.warnings) {
    if (services_.warn) services_.warn(warning);
  }
  state_.painting.families = std::move(read.set);
  state_.painting.family = -1;
}

void Editor::ChooseFamily(int index) {
  RunHandler([&] {
    const std::size_t count = state_.painting.families.families.size();
    state_.painting.family = index >= 0 && static_cast<std::size_t>(index) < count ? index : -1;
  });
}

void Editor::CopySelection() {
  RunHandler([&] { Copy(); });
}

void Editor::CutSelection() {
  RunHandler([&] {
    Copy();
    EraseSelection();
  });
}

void Editor::DeleteSelection() {
  RunHandler([&] { EraseSelection(); });
}

void Editor::PasteAtMarker() {
  RunHandler([&] { Paste(); });
}

void Editor::TurnSelection(std::int32_t turn) {
  RunHandler([&] { Turn(turn); });
}

void Editor::FillAtMarker() {
  RunHandler([&] { Fill(); });
}

void Editor::PaintingKey(int key, Qt::KeyboardModifiers modifiers) {
  // Keys of the region, alone or with Shift; with Ctrl or Alt they are other commands' keys.
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return;
  switch (key) {
    case Qt::Key_R:
      return Turn(document::kRotate);
    case Qt::Key_X:
      return Turn(document::kFlipX);
    case Qt::Key_Y:
      return Turn(document::kFlipY);
    case Qt::Key_Delete:
      return EraseSelection();
    case Qt::Key_Escape:
      state_.painting.selection.reset();
      return;
    default:
      return;
  }
}

void Editor::EditFloor(
    const std::function<std::vector<document::ListEdit>(document::Level&)>& command) {
  // The floor is drawn again as a floor change draws it: the blocks, the links, the marker.
  if (document_.Edit(command)) UpDown1Click();
}

void Editor::Copy() {
  const std::optional<Region> region = state_.painting.SelectionOn(state_.floor);
  if (region) state_.painting.clip = CopyRegion(Level(), *region);
}

void Editor::EraseSelection() {
  const std::optional<Region> region = state_.painting.SelectionOn(state_.floor);
  if (!region) return;
  EditFloor([&](document::Level& level) { return EraseRegion(level, *region); });
}

void Editor::Paste() {
  const std::optional<RegionClip>& clip = state_.painting.clip;
  if (!clip) return;
  const document::Cell topLeft{state_.floor, state_.MarkerColumn, state_.MarkerRow};
  const Grid grid = FloorGrid();
  EditFloor([&](document::Level& level) { return PasteRegion(level, *clip, topLeft, grid); });
  const Region pasted =
      OnGrid({topLeft.floor, topLeft.column, topLeft.row, clip->columns, clip->rows}, grid);
  state_.painting.selection =
      pasted.columns > 0 && pasted.rows > 0 ? std::optional<Region>(pasted) : std::nullopt;
}

void Editor::Turn(std::int32_t turn) {
  const std::optional<Region> region = state_.painting.SelectionOn(state_.floor);
  if (!region) return;
  // A turn that would leave the grid is refused as a whole.
  const Region turned = TurnedRegion(*region, turn);
  const Grid grid = FloorGrid();
  if (OnGrid(turned, grid) != turned) return;
  EditFloor([&](document::Level& level) { return TurnRegion(level, *region, turn, grid); });
  state_.painting.selection = turned;
}

void Editor::Fill() {
  const document::Cell start{state_.floor, state_.MarkerColumn, state_.MarkerRow};
  const Grid grid = FloorGrid();
  if (const Family* family = state_.painting.ChosenFamily()) {
    EditFloor([&](document::Level& level) {
      return FillFamily(level, state_.painting.families, *family, start, grid);
    });
    return;
  }
  const std::string block = SelectedItemName();
  const std::int32_t flags = CurrentOrientation();
  EditFloor([&](document::Level& level) { return FillBlock(level, start, flags, block, grid); });
}

}  // namespace cw::editor
