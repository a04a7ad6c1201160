#include "editor/editor.h"

#include "compiler/build_driver.h"
#include "editor/palette.h"

namespace cw::editor {

void Editor::Button6Click() {
  const std::optional<QString> chosen = services_.chooseFile(MapDialogRequest());
  if (!chosen) return;
  const std::string mapPath = ToBytes(*chosen);
  // Missing templates are skipped without a word, as the map compiler always does; a map file
  // that could not be written is reported, and then nothing is handed to the post-build step.
  const compiler::BuildOutcome outcome = compiler::BuildMapFile(level, placement, mapPath);
  if (!outcome.result) {
    ReportError(QString::fromStdString(outcome.result.error));
    return;
  }
  if (services_.runPostBuild) services_.runPostBuild(mapPath);
}

}  // namespace cw::editor
