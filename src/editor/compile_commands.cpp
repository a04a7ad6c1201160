// The compile loop's commands: Build's log around the one build path, Check, the log window and
// a click on one of its lines, and the leak overlay.
#include <exception>

#include "compiler/level_check.h"
#include "compiler/post_build.h"
#include "document/records.h"
#include "editor/editor.h"
#include "editor/palette.h"
#include "platform/number_format.h"

namespace cw::editor {
namespace {

std::string CheckSummary(const compiler::CheckReport& report) {
  std::int64_t problems = 0, warnings = 0;
  for (const compiler::Finding& finding : report.findings) {
    if (finding.severity == compiler::Severity::kProblem) ++problems;
    if (finding.severity == compiler::Severity::kWarning) ++warnings;
  }
  return "Check: " + platform::DecimalText(problems) +
         (problems == 1 ? " problem, " : " problems, ") + platform::DecimalText(warnings) +
         (warnings == 1 ? " warning" : " warnings");
}

}  // namespace

compiler::CheckReport Editor::CheckCurrentLevel() const {
  compiler::FileTemplateSource templates;
  return compiler::CheckLevel(Level(), state_.settings, templates, compiler::PictureFileExists);
}

compiler::CheckReport Editor::StartBuildLog(const std::string& mapPath) {
  if (compile_.HasLeak()) {
    // The last Build's leak goes with it: the floor is shown again without it. A picture that
    // cannot be drawn does not stop the Build.
    compile_.ForgetLeak();
    try {
      UpDown1Click();
    } catch (const std::exception& error) {
      ReportError(QString::fromStdString(error.what()));
    }
  }
  compile_.Begin("Build of " + Level().DocumentName + " into " + mapPath);
  compile_.KeepBuild(Level(), state_.settings.block, mapPath);
  return CheckCurrentLevel();
}

compiler::WatchedPostBuild Editor::StartPostBuild(const std::string& mapPath) {
  if (services_.watchPostBuild) return services_.watchPostBuild(mapPath);
  return {services_.runPostBuild && services_.runPostBuild(mapPath), nullptr};
}

void Editor::EndBuildLog(const compiler::BuildOutcome& outcome, const compiler::CheckReport& check,
                         compiler::WatchedPostBuild batch) {
  // The compiler's own warnings first; the Check leaves out what they already said, unless the
  // map could not even be opened and the compiler never ran.
  compile_.AddCompilerWarnings(outcome);
  const bool compiled = outcome.result || !outcome.warnings.empty();
  compile_.AddFindings(check, compiled);
  compile_.Add(LogLineKind::kNote, CheckSummary(check));
  const std::string batchName = compiler::kPostBuildBatchName;
  if (!outcome.result) {
    compile_.Add(LogLineKind::kProblem, "the map was not written: " + outcome.result.error + "; " +
                                            batchName + " was not started");
    return;
  }
  compile_.MapWritten();
  compile_.Add(LogLineKind::kNote,
               "map written: " +
                   platform::DecimalText(static_cast<std::int64_t>(compile_.Trace().LineCount())) +
                   " lines");
  if (batch.process) {
    compile_.Add(LogLineKind::kNote, batchName + " started");
    compile_.Watch(std::move(batch.process), [this] { UpDown1Click(); });
  } else if (batch.started) {
    compile_.Add(LogLineKind::kNote, batchName + " started; its output cannot be watched here");
  } else {
    compile_.Add(LogLineKind::kWarning,
                 batchName + " could not be found or started; no post-build step ran");
  }
}

void Editor::CheckClick() {
  compile_.Begin("Check of " + Level().DocumentName);
  const compiler::CheckReport report = CheckCurrentLevel();
  compile_.AddFindings(report, false);
  compile_.Add(LogLineKind::kNote, CheckSummary(report));
}

void Editor::CompileLogLineClicked(std::size_t line) {
  const std::vector<CompileLogLine>& lines = compile_.Log().Lines();
  if (line >= lines.size() || !lines[line].cell) return;
  const document::Cell cell = *lines[line].cell;
  // The marker is drawn anew by the floor change, at its new cell.
  state_.MarkerColumn = cell.column;
  state_.MarkerRow = cell.row;
  MoveFloorSelector(cell.floor);
  UpDown1Click();
  // The log keeps the focus, so that the user can go on through its lines.
  pending_.reveal = QRect(document::kCellSize * cell.column, document::kCellSize * cell.row,
                          document::kCellSize, document::kCellSize);
}

}  // namespace cw::editor
