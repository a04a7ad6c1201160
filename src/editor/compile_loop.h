#pragma once

#include <QPointer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "compiler/build.h"
#include "compiler/level_check.h"
#include "compiler/map_trace.h"
#include "compiler/point_file.h"
#include "document/level.h"
#include "editor/compile_log.h"
#include "platform/watched_process.h"
#include "settings/settings.h"

class QSocketNotifier;

namespace cw::editor {

// The compile loop of the last Build or Check: the log and its window, the trace from map lines
// to the records of the level as it was built, the post-build batch being watched, and the leak
// that its compile reported.
class CompileLoop {
 public:
  // Runs one event to its end the way the editor runs every event (errors reported, the floor
  // view repainted).
  using HandlerRunner = std::function<void(const std::function<void()>&)>;

  CompileLoop() = default;
  ~CompileLoop();
  CompileLoop(const CompileLoop&) = delete;
  CompileLoop& operator=(const CompileLoop&) = delete;

  // How the batch's output is read: as one event of the editor.
  void SetHandlerRunner(HandlerRunner runHandler) { runHandler_ = std::move(runHandler); }
  const CompileLog& Log() const { return log_; }
  // Asks for the log window to be opened on the log as it is.
  void Show() { showRequested_ = true; }
  // Whether the log changed, or its window was asked for, since the last call.
  bool TakeLogChanged() { return std::exchange(changed_, false); }
  bool TakeShowRequest() { return std::exchange(showRequested_, false); }

  // Starts the log anew for a command and shows the window. An earlier batch still running goes
  // on unwatched.
  void Begin(const std::string& heading);
  // Keeps the level and the map of a Build, for the lines of its batch to be traced.
  void KeepBuild(const document::Level& level, const settings::PlacementSettings& placement,
                 const std::string& mapPath);
  compiler::MapTrace& Trace() { return trace_; }

  void Add(LogLineKind kind, std::string text, std::optional<document::Cell> cell = std::nullopt);
  // The compiler's warnings, each with the floor and cell of its record.
  void AddCompilerWarnings(const compiler::BuildOutcome& outcome);
  // The findings of a Check; with `leaveOutCompilerKinds`, those the compiler's own warnings
  // already told (records that do not parse, missing templates).
  void AddFindings(const compiler::CheckReport& report, bool leaveOutCompilerKinds);
  // Notes the map as written, for the leak's point file to be compared with.
  void MapWritten();

  // Watches the batch: each line of its output goes into the log as it comes, with the cell of
  // the map line it names; at the end its status, then the leak if its compile wrote a point
  // file. `changed` runs after each change of the log; `leakFound` after a leak was read.
  void Watch(std::unique_ptr<platform::WatchedProcess> process, std::function<void()> leakFound);
  bool BatchRunning() const { return process_ != nullptr; }

  // The leak of the last Build, in floor view coordinates, until the next Build.
  const std::vector<compiler::FloorViewPoint>& Leak() const { return leak_; }
  bool HasLeak() const { return !leak_.empty(); }
  void ForgetLeak() { leak_.clear(); }

  // The cell of the record that wrote a line of the last Build's map, and what the log says of
  // it: "floor 0, cell 3 4, block "0 3 4 0 Wall"".
  std::optional<document::Cell> CellOfMapLine(std::size_t line, std::string& description) const;

 private:
  void Changed();
  void ReadOutput();
  void AddOutputLine(std::string line);
  void Finish();
  void LookForLeak();
  void StopWatching();

  CompileLog log_;
  bool changed_ = false;
  bool showRequested_ = false;

  document::Level builtLevel_;
  settings::PlacementSettings placement_;
  std::string mapPath_;
  std::optional<std::filesystem::file_time_type> mapTime_;
  compiler::MapTrace trace_;

  std::unique_ptr<platform::WatchedProcess> process_;
  // Owned by the application, which may end before the editor does.
  QPointer<QSocketNotifier> notifier_;
  HandlerRunner runHandler_;
  std::function<void()> leakFound_;
  std::string partialLine_;

  std::vector<compiler::FloorViewPoint> leak_;
};

}  // namespace cw::editor
