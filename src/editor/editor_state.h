#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editor/link_drag.h"
#include "editor/painting_state.h"
#include "settings/settings.h"

namespace cw::editor {

// The three orientation boxes, CheckBox1 to CheckBox3.
enum class OrientationBox { kXFlip, kYFlip, kRotate };

// What the editor holds between events, besides the level: the state of the tool box's controls,
// the floor view's canvas and what is drawn on it, created before any window and alive until the
// program ends. The windows show these values and change none of them themselves.
struct EditorState {
  // PellEd.ini as read at start-up: the placement for Build, the canvas size, the target game.
  settings::Settings settings;

  // The floor selector UpDown1: the current floor, -8 to 7.
  std::int32_t floor = 0;
  // The link mode box Links, and its caption.
  bool linkMode = false;
  QString linksCaption = QStringLiteral("Links");
  // CheckBox1 to CheckBox3, by OrientationBox.
  std::array<bool, 3> orientation{};
  // The palette ListBox1: the block name of each item in order ("" for the empty item), and the
  // selected row, -1 for none.
  std::vector<std::string> palette;
  int selectedRow = -1;
  // Label1 under the palette.
  QString label;
  // The floor view's title.
  QString floorCaption = QStringLiteral("  Floor 0");
  // What the tool box tells under the preview without a message box: no recovery file can be
  // written, PellEd.ini could not be used. Each a short title and the whole text.
  struct Notice {
    QString title;
    QString text;
    bool operator==(const Notice&) const = default;
  };
  std::vector<Notice> notices;

  // The cell the marker is drawn on, and the link drag.
  std::int32_t MarkerColumn = 0;
  std::int32_t MarkerRow = 0;
  LinkDrag drag;

  // The floor view's zoom, 1 to 4.
  int zoom = 1;
  // The floor canvas (Format_RGB32), kept between redraws, and FloorSnapshot, the canvas with
  // blocks only (no marker, links or rubber band).
  QImage FloorCanvas;
  QImage FloorSnapshot;
  // The 32 by 32 preview Image1 of the tool box.
  QImage preview;
  // The font of the floor numbers of the link overlay: the floor view's own; the application's
  // default until the floor view says otherwise.
  std::optional<QFont> canvasFont;

  // Families, the selected region, the copied one and their drags.
  PaintingState painting;
};

}  // namespace cw::editor
