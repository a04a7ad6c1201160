// Build and Check through the build session, the compile log they fill, the batch's output read
// as the event loop finds it, and a click on a line of the log.
#include <exception>

#include "compiler/map_target.h"
#include "compiler/post_build.h"
#include "document/records.h"
#include "editor/editor.h"
#include "editor/text_bytes.h"

namespace cw::editor {

compiler::LogSink Editor::LogSink() {
  return [this](compiler::LogLine line) {
    log_.Add(std::move(line));
    logChanged_ = true;
  };
}

void Editor::StartLog() {
  log_.Clear();
  logChanged_ = true;
  showLog_ = true;
}

bool Editor::MayStartAnotherBatch() {
  if (!session_.BatchRunning()) return true;
  switch (
      Ask(QStringLiteral("%1 of the last Build still runs. Stop it before this Build starts "
                         "another compile of the map?")
              .arg(QString::fromLatin1(compiler::kPostBuildBatchName)),
          {QStringLiteral("Stop it"), QStringLiteral("Let it run"), QStringLiteral("Cancel")})) {
    case 0:
      StopBatch();
      return true;
    case 1:
      return true;
    default:
      return false;
  }
}

void Editor::StopBatch() {
  if (!session_.BatchRunning()) return;
  session_.StopBatch(LogSink());
}

void Editor::Button6Click() {
  if (!MayStartAnotherBatch()) return;
  const std::optional<QString> chosen = services_.chooseFile(MapDialogRequest());
  if (!chosen) return;
  const std::string mapPath = ToBytes(*chosen);
  // The map never replaces a file that the build reads.
  if (const platform::IoResult target = compiler::CheckMapTarget(mapPath, levelFile_, Level());
      !target) {
    ReportError(QString::fromStdString(target.error));
    return;
  }
  const BusyWhile busy(services_.showBusy);
  if (session_.HasLeak()) {
    // The last Build's leak goes with it: the floor is shown again without it. A picture that
    // cannot be drawn does not stop the Build.
    session_.ForgetLeak();
    try {
      UpDown1Click();
    } catch (const std::exception& error) {
      ReportError(QString::fromStdString(error.what()));
    }
  }
  batchWatch_.Stop();
  StartLog();
  const platform::IoResult written =
      session_.Build(Level(), state_.settings, mapPath, compiler::PostBuild::kWatched, LogSink());
  // A map that could not be written is reported, and then nothing is handed to the batch.
  if (!written) ReportError(QString::fromStdString(written.error));
  if (session_.BatchRunning()) {
    batchWatch_.Watch(session_.BatchOutputDescriptor(),
                      [this] { RunHandler([this] { BatchOutputReady(); }); });
  }
}

void Editor::BatchOutputReady() {
  const compiler::BuildSession::BatchProgress progress = session_.ReadBatchOutput(LogSink());
  if (progress.ended) batchWatch_.Stop();
  // The leak is drawn on the floor at once.
  if (progress.leakFound) UpDown1Click();
}

void Editor::CheckClick() {
  batchWatch_.Stop();
  StartLog();
  session_.Check(Level(), state_.settings, LogSink());
}

void Editor::CompileLogLineClicked(std::size_t line) {
  const std::vector<CompileLogLine>& lines = log_.Lines();
  // The log keeps the focus, so that the user can go on through its lines.
  if (line < lines.size() && lines[line].cell) GoToCell(*lines[line].cell);
}

}  // namespace cw::editor
