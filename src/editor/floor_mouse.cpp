// Mouse presses on the floor canvas: placing, erasing and picking blocks, the link branches of a
// press in link mode, and the cell marker that every press moves.
#include <QCheckBox>
#include <QListWidget>
#include <QSignalBlocker>

#include "document/level_edit.h"
#include "document/records.h"
#include "editor/block_picture.h"
#include "editor/editor.h"
#include "editor/link_geometry.h"
#include "editor/link_mode.h"
#include "editor/marker.h"
#include "editor/orient_picture.h"
#include "editor/palette.h"
#include "forms/tool_box_form.h"

namespace cw::editor {

namespace {

// What the list box says when its selected item is read while none is selected.
const char* const kNoSelectionError = "List index out of bounds (-1)";

bool NoPaletteItemSelected(const Editor& editor) {
  const QListWidget& palette = *editor.ToolBox().ListBox1;
  return palette.currentRow() < 0 || palette.currentRow() >= palette.count();
}

// The left button with link mode off: the selected block goes into the cell, turned by the
// orientation boxes, in place of the cell's first record; the empty item erases the cell.
void PlaceOrErase(Editor& editor, std::int32_t column, std::int32_t row) {
  const QString itemText = editor.SelectedItemText();
  if (itemText == QString::fromLatin1(document::kUnknownBlockName.data(),
                                      static_cast<qsizetype>(document::kUnknownBlockName.size()))) {
    return;
  }
  const std::int32_t flags = editor.CurrentOrientation();
  document::PlaceBlock(editor.level,
                       {editor.CurrentFloor(), column, row, flags, ToBytes(itemText)});
  // Only the pressed cell is drawn again; FloorSnapshot is left as it was.
  QImage picture = editor.LoadPicture(ItemPictureFileName(itemText));
  OrientPicture(picture, flags);
  DrawPicture(editor.FloorCanvas(), picture, std::int64_t{kCellSize} * column,
              std::int64_t{kCellSize} * row);
}

// The palette row of a picked block: the item of that exact name, else the "Unknown" item, else
// none (-1).
int PickedPaletteRow(const QListWidget& palette, const QString& name) {
  const QString unknown =
      QString::fromLatin1(document::kUnknownBlockName.data(),
                          static_cast<qsizetype>(document::kUnknownBlockName.size()));
  for (const QString& wanted : {name, unknown}) {
    for (int row = 0; row < palette.count(); ++row) {
      if (palette.item(row)->text() == wanted) return row;
    }
  }
  return -1;
}

// The right button: the cell's first block record goes back into the tool box, ready to be
// placed elsewhere. Neither the level nor the floor canvas changes.
void Pick(Editor& editor, std::int32_t column, std::int32_t row) {
  const std::optional<document::BlockRecord> record =
      document::FindBlockAt(editor.level, {editor.CurrentFloor(), column, row});
  const std::int32_t flags = record ? record->flags : 0;
  const QString name = record ? FromBytes(record->name) : QString();
  forms::TForm1& toolBox = editor.ToolBox();
  toolBox.SetLabel1Caption(name);

  const int paletteRow = PickedPaletteRow(*toolBox.ListBox1, name);
  {
    // A selection made here is not the user's click: the boxes are not cleared by it.
    const QSignalBlocker quiet(toolBox.ListBox1);
    toolBox.ListBox1->setCurrentRow(paletteRow);
    if (paletteRow < 0) toolBox.ListBox1->clearSelection();
  }
  // Each box that changes state previews as a click would; the pick's own preview comes last.
  editor.SetCheckBoxState(*toolBox.CheckBox1, (flags & document::kFlipX) != 0);
  editor.SetCheckBoxState(*toolBox.CheckBox2, (flags & document::kFlipY) != 0);
  editor.SetCheckBoxState(*toolBox.CheckBox3, (flags & document::kRotate) != 0);
  // Without a palette item there is no picture to preview.
  if (paletteRow < 0) return;
  QImage picture =
      editor.LoadPicture(ItemPictureFileName(toolBox.ListBox1->item(paletteRow)->text()));
  OrientPicture(picture, flags);
  editor.DrawPreview(picture);
}

}  // namespace

void Editor::FloorMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
  const bool linkMode = LinkModeOn();
  if (button == Qt::LeftButton && !linkMode && NoPaletteItemSelected(*this)) {
    // Nothing to place: the press is refused as a whole and the marker stays where it is.
    ReportError(QString::fromLatin1(kNoSelectionError));
    return;
  }
  ToggleMarker(FloorCanvas(), MarkerColumn, MarkerRow);
  const GridCell cell = CellOfPoint(x, y);
  const auto column = static_cast<std::int32_t>(cell.column);
  const auto row = static_cast<std::int32_t>(cell.row);
  if (linkMode && button == Qt::LeftButton) {
    StartLinkDrag(*this, x, y);
  } else {
    if (button == Qt::LeftButton) {
      PlaceOrErase(*this, column, row);
    } else if (button == Qt::RightButton) {
      Pick(*this, column, row);
    }
    if (linkMode && button == Qt::RightButton) {
      ShowCellLinks(*this, column, row);
      // The view was rebuilt from the snapshot; a drag still running needs its band back so
      // that its next move or its release restores the canvas.
      if (LinkDragActive) InvertRubberBand(*this);
    }
  }
  MarkerColumn = column;
  MarkerRow = row;
  ToggleMarker(FloorCanvas(), MarkerColumn, MarkerRow);
}

}  // namespace cw::editor
