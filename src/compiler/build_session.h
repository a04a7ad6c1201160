#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "compiler/build.h"
#include "compiler/level_check.h"
#include "compiler/map_trace.h"
#include "compiler/point_file.h"
#include "document/level.h"
#include "document/records.h"
#include "platform/process_runner.h"
#include "settings/settings.h"

namespace cw::compiler {

// What a line of a Build's or a Check's log says.
enum class LogLineKind {
  kNote,     // what Build did, the budget
  kWarning,  // a finding to look at, a budget near its limit
  kProblem,  // a finding the map or the engine will suffer from
  kOutput,   // a line of the post-build batch
  kStatus,   // how the batch ended
};

struct LogLine {
  LogLineKind kind = LogLineKind::kNote;
  std::string text;
  std::optional<document::Cell> cell;  // the cell it is about, for a click on it
  std::string cellText;  // for a batch line that names a map line: "floor 0, cell 3 4, block ..."
};
using LogSink = std::function<void(LogLine)>;

// A line as the log shows it, without its time: "[floor 0, cell 3 4, block ...]  " before the
// text of a batch line that names its cell, the text alone otherwise.
std::string LogLineText(const LogLine& line);

// Whether Build starts the post-build batch, and how.
enum class PostBuild {
  kNone,
  kDetached,  // started and let go
  kWatched,   // its output and status watched, where the system allows; detached elsewhere
};

// One Build or Check at a time, for the editor and the command line alike: the level checked and
// compiled into the map, the post-build batch started through the process runner, its output
// read line by line with the map lines it names traced to their records, and at its end the leak
// that its compile wrote into a point file. Every line goes to the log sink with the same words
// wherever it is shown. The level is only read.
class BuildSession {
 public:
  // Templates come from `templates` (the files of the current directory when none); pictures and
  // face textures are looked for with `hasPicture` and `hasTexture` (when empty, in the files of
  // the current directory, the textures where the settings' WADs and the game's folders say).
  explicit BuildSession(platform::ProcessRunner& runner, TemplateSource* templates = nullptr,
                        PictureCheck hasPicture = {}, TextureCheck hasTexture = {});
  ~BuildSession();
  BuildSession(const BuildSession&) = delete;
  BuildSession& operator=(const BuildSession&) = delete;

  // Check: the heading, the findings, the budget and the count of problems and warnings.
  void Check(const document::Level& level, const settings::Settings& settings, const LogSink& sink);

  // Build: the heading, the compiler's warnings, the check (without what the compiler already
  // said), the map written (replaced only when complete) and the post-build batch started. A
  // batch of an earlier Build still watched goes on unwatched. The result says whether the map
  // was written.
  platform::IoResult Build(const document::Level& level, const settings::Settings& settings,
                           const std::string& mapPath, PostBuild postBuild, const LogSink& sink);

  // Whether the last Build started its batch, watched or not.
  bool BatchStarted() const { return batchStarted_; }
  // The batch being watched: the descriptor to wait on, readable when output or its end is there.
  bool BatchRunning() const { return batch_ != nullptr; }
  int BatchOutputDescriptor() const;
  // What the batch printed since, line by line (a carriage return alone ends a line too, as
  // progress meters print); at its end its status, then the leak if its compile wrote a point
  // file. What happened, for the caller to show.
  struct BatchProgress {
    bool ended = false;
    bool leakFound = false;
  };
  BatchProgress ReadBatchOutput(const LogSink& sink);
  // Waits for the batch's end, its lines to the sink as they come; its exit.
  platform::ProcessExit WaitForBatch(const LogSink& sink);
  // Stops the batch being watched and every tool it started; its end comes as usual.
  void StopBatch(const LogSink& sink);

  // The leak of the last Build, in floor view coordinates, until the next Build.
  const std::vector<FloorViewPoint>& Leak() const { return leak_; }
  bool HasLeak() const { return !leak_.empty(); }
  void ForgetLeak() {
    leak_.clear();
    leakPath_.clear();
  }
  // The same leak as the point file holds it, in map units, for the 3D view.
  const std::vector<MapPoint>& LeakPath() const { return leakPath_; }

  // The cell of the record that wrote a line of the last Build's map, and what the log says of
  // it: "floor 0, cell 3 4, block "0 3 4 0 Wall"".
  std::optional<document::Cell> CellOfMapLine(std::size_t line, std::string& description) const;

 private:
  // A batch still watched when a new Build or Check starts goes on unwatched.
  void LetBatchGo(const LogSink& sink);
  void AddOutputLine(std::string line, const LogSink& sink);
  void TakeOutput(std::string_view bytes, const LogSink& sink);
  // The batch's end: its last line, its status, the leak. Whether a leak was found.
  bool Finish(const platform::ProcessExit& exit, const LogSink& sink);
  bool LookForLeak(const LogSink& sink);
  void StartBatch(const std::string& mapPath, PostBuild postBuild, const LogSink& sink);
  CheckReport CheckFiles(const document::Level& level, const settings::Settings& settings,
                         TemplateSource& templates) const;

  platform::ProcessRunner& runner_;
  TemplateSource* templates_;
  PictureCheck hasPicture_;
  TextureCheck hasTexture_;

  // The last Build: the level as it was built, its placement and map, and the trace.
  document::Level builtLevel_;
  PlacementSettings placement_;
  std::string mapPath_;
  std::optional<std::int64_t> mapTime_;
  MapTrace trace_;

  bool batchStarted_ = false;
  std::unique_ptr<platform::WatchedProcess> batch_;
  std::string partialLine_;
  bool lastWasCarriageReturn_ = false;
  std::vector<FloorViewPoint> leak_;
  std::vector<MapPoint> leakPath_;
};

}  // namespace cw::compiler
