// Build: the map file chosen in a dialog, compiled from the level, then the post-build step; the
// compile log shows the level's check, the compiler's warnings and the batch's output.
#include "compiler/build.h"
#include "editor/editor.h"
#include "editor/palette.h"

namespace cw::editor {

void Editor::Button6Click() {
  const std::optional<QString> chosen = services_.chooseFile(MapDialogRequest());
  if (!chosen) return;
  const std::string mapPath = ToBytes(*chosen);
  const BusyWhile busy(services_.showBusy);
  const compiler::CheckReport check = StartBuildLog(mapPath);
  // A map file that could not be written is reported, and then nothing is handed to the
  // post-build step.
  compiler::WatchedPostBuild batch;
  const compiler::BuildOutcome outcome = compiler::RunBuild(Level(), state_.settings.block, mapPath,
                                                            {.startPostBuild =
                                                                 [&](const std::string& path) {
                                                                   batch = StartPostBuild(path);
                                                                   return batch.started;
                                                                 },
                                                             .trace = &compile_.Trace()});
  if (!outcome.result) ReportError(QString::fromStdString(outcome.result.error));
  EndBuildLog(outcome, check, std::move(batch));
}

}  // namespace cw::editor
