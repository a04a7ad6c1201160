#include "compiler/build_session.h"

#include <filesystem>
#include <set>
#include <system_error>

#include "compiler/post_build.h"
#include "compiler/tool_messages.h"
#include "platform/file_reader.h"
#include "platform/number_format.h"
#include "platform/shown_text.h"

namespace cw::compiler {
namespace {

using platform::DecimalText;

// A line of output longer than this is cut into pieces rather than held without end.
constexpr std::size_t kMaxOutputLine = 64 * 1024;

LogLineKind KindOf(Severity severity) {
  switch (severity) {
    case Severity::kProblem:
      return LogLineKind::kProblem;
    case Severity::kWarning:
      return LogLineKind::kWarning;
    case Severity::kNote:
      break;
  }
  return LogLineKind::kNote;
}

std::optional<std::filesystem::file_time_type> WriteTime(const std::string& path) {
  std::error_code error;
  const auto time = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  return time;
}

std::string CheckSummary(const CheckReport& report) {
  std::int64_t problems = 0, warnings = 0;
  for (const Finding& finding : report.findings) {
    if (finding.severity == Severity::kProblem) ++problems;
    if (finding.severity == Severity::kWarning) ++warnings;
  }
  return "Check: " + DecimalText(problems) + (problems == 1 ? " problem, " : " problems, ") +
         DecimalText(warnings) + (warnings == 1 ? " warning" : " warnings");
}

// The findings of a Check; with `leaveOutCompilerKinds`, those the compiler's own warnings
// already told (records that do not parse, missing templates).
void SendFindings(const CheckReport& report, bool leaveOutCompilerKinds, const LogSink& sink) {
  for (const Finding& finding : report.findings) {
    if (leaveOutCompilerKinds && (finding.kind == FindingKind::kBlockDoesNotParse ||
                                  finding.kind == FindingKind::kNoTemplate ||
                                  finding.kind == FindingKind::kLinkDoesNotParse)) {
      continue;
    }
    sink({KindOf(finding.severity), FindingText(finding), finding.cell, {}});
  }
  sink({LogLineKind::kNote, CheckSummary(report), std::nullopt, {}});
}

}  // namespace

std::string LogLineText(const LogLine& line) {
  // The cell comes before the tool's text, which may be long.
  return line.cellText.empty() ? line.text : "[" + line.cellText + "]  " + line.text;
}

BuildSession::BuildSession(platform::ProcessRunner& runner, TemplateSource* templates,
                           PictureCheck hasPicture, TextureCheck hasTexture)
    : runner_(runner),
      templates_(templates),
      hasPicture_(hasPicture ? std::move(hasPicture) : PictureCheck(PictureFileExists)),
      hasTexture_(std::move(hasTexture)) {}

CheckReport BuildSession::CheckFiles(const document::Level& level,
                                     const settings::Settings& settings,
                                     TemplateSource& templates) const {
  if (hasTexture_) return CheckLevel(level, settings, templates, hasPicture_, hasTexture_);
  // The WADs are those of this Check's settings, read afresh: the kit may have changed.
  TextureFinder finder(WadPathsOf(settings));
  return CheckLevel(level, settings, templates, hasPicture_, [&finder](const std::string& name) {
    return finder.Find(name) != TextureSource::kNowhere;
  });
}

BuildSession::~BuildSession() = default;

int BuildSession::BatchOutputDescriptor() const {
  return batch_ ? batch_->OutputDescriptor() : -1;
}

void BuildSession::LetBatchGo(const LogSink& sink) {
  if (!batch_) return;
  // Closing our end lets the relay drop the rest: the batch runs on, unwatched.
  batch_.reset();
  partialLine_.clear();
  sink({LogLineKind::kWarning,
        std::string(kPostBuildBatchName) + " of the last Build still runs; it goes on unwatched",
        std::nullopt,
        {}});
}

void BuildSession::Check(const document::Level& level, const settings::Settings& settings,
                         const LogSink& sink) {
  LetBatchGo(sink);
  sink({LogLineKind::kNote, "Check of " + level.DocumentName, std::nullopt, {}});
  FileTemplateSource files;
  SendFindings(CheckFiles(level, settings, templates_ ? *templates_ : files), false, sink);
}

platform::IoResult BuildSession::Build(const document::Level& level,
                                       const settings::Settings& settings,
                                       const std::string& mapPath, PostBuild postBuild,
                                       const LogSink& sink) {
  LetBatchGo(sink);
  ForgetLeak();
  batchStarted_ = false;
  sink({LogLineKind::kNote,
        "Build of " + level.DocumentName + " into " + mapPath,
        std::nullopt,
        {}});
  builtLevel_ = level;
  placement_ = settings.block;
  mapPath_ = mapPath;
  mapTime_.reset();
  trace_ = {};
  FileTemplateSource files;
  TemplateSource& templates = templates_ ? *templates_ : files;
  const CheckReport check = CheckFiles(level, settings, templates);
  const platform::IoValue<std::vector<CompileWarning>> built =
      RunBuild(level, settings.block, mapPath, {.templates = &templates, .trace = &trace_});

  // The compiler's own warnings first, each with the floor and cell of its record; the Check
  // leaves out what they already said, unless the map could not even be opened.
  for (const CompileWarning& warning : built.value) {
    const MapLineOrigin& record = warning.record;
    const auto& list =
        record.source == MapLineSource::kLinkRelay ? level.LinkList : level.BlockList;
    std::optional<document::Cell> cell;
    if (record.index < list.size()) cell = document::ParseCell(list[record.index]);
    sink({LogLineKind::kWarning,
          cell ? CellText(*cell) + ": " + warning.text : warning.text,
          cell,
          {}});
  }
  SendFindings(check, built || !built.value.empty(), sink);
  const std::string batchName = kPostBuildBatchName;
  if (!built) {
    sink({LogLineKind::kProblem,
          "the map was not written: " + built.error +
              (postBuild == PostBuild::kNone ? "" : "; " + batchName + " was not started"),
          std::nullopt,
          {}});
    return built;
  }
  if (const auto time = WriteTime(mapPath)) mapTime_ = time->time_since_epoch().count();
  sink({LogLineKind::kNote,
        "map written: " + DecimalText(static_cast<std::int64_t>(trace_.LineCount())) + " lines",
        std::nullopt,
        {}});
  StartBatch(mapPath, postBuild, sink);
  return built;
}

void BuildSession::StartBatch(const std::string& mapPath, PostBuild postBuild,
                              const LogSink& sink) {
  batchStarted_ = false;
  if (postBuild == PostBuild::kNone) return;
  const std::string batchName = kPostBuildBatchName;
  bool& started = batchStarted_;
  // Where output cannot be watched the batch is started all the same, detached.
  const bool watched = postBuild == PostBuild::kWatched && runner_.WatchesOutput();
  if (watched) {
    batch_ = StartWatchedPostBuild(runner_, mapPath);
    started = batch_ != nullptr;
    if (started) {
      sink({LogLineKind::kNote, batchName + " started", std::nullopt, {}});
      return;
    }
  } else {
    started = RunPostBuild(runner_, mapPath);
  }
  if (started) {
    sink({LogLineKind::kNote,
          postBuild == PostBuild::kWatched
              ? batchName + " started; its output cannot be watched here"
              : batchName + " started",
          std::nullopt,
          {}});
  } else {
    sink({LogLineKind::kWarning,
          batchName + " could not be found or started; no post-build step ran",
          std::nullopt,
          {}});
  }
}

std::optional<document::Cell> BuildSession::CellOfMapLine(std::size_t line,
                                                          std::string& description) const {
  const std::optional<MapLineOrigin> origin = trace_.OriginOf(line);
  if (!origin || origin->source == MapLineSource::kWorld) return std::nullopt;
  const bool relay = origin->source == MapLineSource::kLinkRelay;
  const auto& list = relay ? builtLevel_.LinkList : builtLevel_.BlockList;
  if (origin->index >= list.size()) return std::nullopt;
  const std::optional<document::Cell> cell = document::ParseCell(list[origin->index]);
  if (!cell) return std::nullopt;
  description = CellText(*cell) + (relay ? ", the relay of the link " : ", block ") +
                platform::QuotedText(list[origin->index]);
  return cell;
}

void BuildSession::AddOutputLine(std::string line, const LogSink& sink) {
  std::optional<document::Cell> cell;
  std::string description;
  if (const std::optional<std::size_t> mapLine = MapLineInMessage(line)) {
    cell = CellOfMapLine(*mapLine, description);
  }
  sink({LogLineKind::kOutput, std::move(line), cell, std::move(description)});
}

void BuildSession::TakeOutput(std::string_view bytes, const LogSink& sink) {
  for (const char c : bytes) {
    // "\r\n" ends one line; a carriage return alone ends one too, as a progress meter rewrites
    // its line.
    const bool afterCarriageReturn = std::exchange(lastWasCarriageReturn_, c == '\r');
    if (c == '\n' && afterCarriageReturn) continue;
    if (c == '\n' || c == '\r') {
      AddOutputLine(std::exchange(partialLine_, {}), sink);
      continue;
    }
    partialLine_ += c;
    if (partialLine_.size() == kMaxOutputLine) AddOutputLine(std::exchange(partialLine_, {}), sink);
  }
}

BuildSession::BatchProgress BuildSession::ReadBatchOutput(const LogSink& sink) {
  if (!batch_) return {};
  const platform::WatchedProcess::Output output = batch_->ReadAvailable();
  TakeOutput(output.bytes, sink);
  if (!output.ended) return {};
  return {true, Finish(batch_->Exit(), sink)};
}

platform::ProcessExit BuildSession::WaitForBatch(const LogSink& sink) {
  if (!batch_) return {};
  const platform::ProcessExit exit =
      batch_->WaitPassingOutput([&](std::string_view bytes) { TakeOutput(bytes, sink); });
  Finish(exit, sink);
  return exit;
}

void BuildSession::StopBatch(const LogSink& sink) {
  if (!batch_ || !batch_->Stop()) return;
  sink({LogLineKind::kWarning,
        std::string(kPostBuildBatchName) + " was stopped, with every tool it started",
        std::nullopt,
        {}});
}

bool BuildSession::Finish(const platform::ProcessExit& exit, const LogSink& sink) {
  if (!partialLine_.empty()) AddOutputLine(std::exchange(partialLine_, {}), sink);
  lastWasCarriageReturn_ = false;
  batch_.reset();
  const std::string batch = kPostBuildBatchName;
  switch (exit.kind) {
    case platform::ProcessExit::Kind::kExited:
      sink({LogLineKind::kStatus,
            batch + " finished with status " + DecimalText(exit.value),
            std::nullopt,
            {}});
      break;
    case platform::ProcessExit::Kind::kSignalled:
      sink({LogLineKind::kStatus,
            batch + " was ended by signal " + DecimalText(exit.value),
            std::nullopt,
            {}});
      break;
    case platform::ProcessExit::Kind::kUnknown:
      sink({LogLineKind::kStatus, batch + " ended without an exit status", std::nullopt, {}});
      break;
  }
  return LookForLeak(sink);
}

bool BuildSession::LookForLeak(const LogSink& sink) {
  if (!mapTime_) return false;
  for (const std::string& path : formats::PointFilePaths(mapPath_)) {
    const std::optional<std::filesystem::file_time_type> time = WriteTime(path);
    // A point file older than the map is left from an earlier compile.
    if (!time || time->time_since_epoch().count() < *mapTime_) continue;
    const platform::IoValue<std::string> read = platform::ReadWholeFile(path);
    if (!read) {
      sink({LogLineKind::kProblem,
            "the map leaks, but its point file cannot be read: " + read.error,
            std::nullopt,
            {}});
      return false;
    }
    std::vector<FloorViewPoint> leak;
    std::vector<MapPoint> mapPoints;
    std::set<std::int32_t> floors;
    for (const MapPoint& point : formats::ParsePointFile(read.value)) {
      if (std::optional<FloorViewPoint> onView = PointOnFloorView(placement_, point)) {
        leak.push_back(*onView);
        mapPoints.push_back(point);
        floors.insert(onView->floor);
      }
    }
    if (leak.empty()) {
      sink({LogLineKind::kProblem,
            "the map leaks; its point file " + path + " holds no points",
            std::nullopt,
            {}});
      return false;
    }
    std::string floorList;
    for (const std::int32_t floor : floors) {
      floorList += (floorList.empty() ? "" : ", ") + DecimalText(floor);
    }
    const document::Cell start{leak.front().floor, static_cast<std::int32_t>(leak.front().column),
                               static_cast<std::int32_t>(leak.front().row)};
    leak_ = std::move(leak);
    leakPath_ = std::move(mapPoints);
    sink({LogLineKind::kProblem,
          CellText(start) + ": the map " + mapPath_ + " of the level " + builtLevel_.DocumentName +
              " leaks from here; " + path + " holds its path of " +
              DecimalText(static_cast<std::int64_t>(leak_.size())) + " points, drawn on floor" +
              (floors.size() == 1 ? " " : "s ") + floorList + " until the next Build",
          start,
          {}});
    return true;
  }
  return false;
}

}  // namespace cw::compiler
