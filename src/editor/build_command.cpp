// Build: the map file chosen in a dialog, compiled from the level, then the post-build step.
#include "compiler/build.h"
#include "editor/editor.h"
#include "editor/palette.h"

namespace cw::editor {

void Editor::Button6Click() {
  const std::optional<QString> chosen = services_.chooseFile(MapDialogRequest());
  if (!chosen) return;
  // Missing templates are skipped without a word, as the map compiler always does; a map file
  // that could not be written is reported, and then nothing is handed to the post-build step.
  const BusyWhile busy(services_.showBusy);
  const compiler::BuildOutcome outcome = compiler::RunBuild(
      state_.level, state_.placement, ToBytes(*chosen), {.startPostBuild = services_.runPostBuild});
  if (!outcome.result) ReportError(QString::fromStdString(outcome.result.error));
}

}  // namespace cw::editor
