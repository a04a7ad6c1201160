#include "editor/compile_loop.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <set>
#include <system_error>

#include "compiler/post_build.h"
#include "compiler/tool_messages.h"
#include "document/records.h"
#include "platform/file_reader.h"
#include "platform/number_format.h"

namespace cw::editor {
namespace {

using compiler::FindingKind;
using platform::DecimalText;

// A line of output longer than this is cut into pieces rather than held without end.
constexpr std::size_t kMaxOutputLine = 64 * 1024;

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

LogLineKind KindOf(compiler::Severity severity) {
  switch (severity) {
    case compiler::Severity::kProblem:
      return LogLineKind::kProblem;
    case compiler::Severity::kWarning:
      return LogLineKind::kWarning;
    case compiler::Severity::kNote:
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

}  // namespace

CompileLoop::~CompileLoop() {
  StopWatching();
}

void CompileLoop::StopWatching() {
  // The notifier may be the one whose signal runs now: it goes once the event is over.
  if (notifier_) {
    notifier_->setEnabled(false);
    QObject::disconnect(notifier_.data(), nullptr, nullptr, nullptr);
    notifier_->deleteLater();
    notifier_.clear();
  }
  // Closing our end lets the relay drop the rest: the batch runs on, unwatched.
  process_.reset();
  partialLine_.clear();
}

void CompileLoop::Changed() {
  changed_ = true;
}

void CompileLoop::Begin(const std::string& heading) {
  if (process_) {
    StopWatching();
    log_.Clear();
    Add(LogLineKind::kWarning, std::string(compiler::kPostBuildBatchName) +
                                   " of the last Build still runs; it goes on unwatched");
  } else {
    log_.Clear();
  }
  Add(LogLineKind::kNote, heading);
  showRequested_ = true;
}

void CompileLoop::KeepBuild(const document::Level& level,
                            const settings::PlacementSettings& placement,
                            const std::string& mapPath) {
  builtLevel_ = level;
  placement_ = placement;
  mapPath_ = mapPath;
  mapTime_.reset();
  trace_ = {};
}

void CompileLoop::Add(LogLineKind kind, std::string text, std::optional<document::Cell> cell) {
  // Findings name their cell in their text already; the cell is kept for the click.
  log_.Add(kind, std::move(text), cell);
  Changed();
}

void CompileLoop::AddCompilerWarnings(const compiler::BuildOutcome& outcome) {
  for (std::size_t i = 0; i < outcome.warnings.size(); ++i) {
    std::optional<document::Cell> cell;
    if (i < outcome.warningRecords.size()) {
      const compiler::MapLineOrigin& record = outcome.warningRecords[i];
      const auto& list = record.source == compiler::MapLineSource::kLinkRelay
                             ? builtLevel_.LinkList
                             : builtLevel_.BlockList;
      if (record.index < list.size()) cell = document::ParseCell(list[record.index]);
    }
    const std::string text =
        cell ? compiler::CellText(*cell) + ": " + outcome.warnings[i] : outcome.warnings[i];
    Add(LogLineKind::kWarning, text, cell);
  }
}

void CompileLoop::AddFindings(const compiler::CheckReport& report, bool leaveOutCompilerKinds) {
  for (const compiler::Finding& finding : report.findings) {
    if (leaveOutCompilerKinds && (finding.kind == FindingKind::kBlockDoesNotParse ||
                                  finding.kind == FindingKind::kNoTemplate ||
                                  finding.kind == FindingKind::kLinkDoesNotParse)) {
      continue;
    }
    Add(KindOf(finding.severity), compiler::FindingText(finding), finding.cell);
  }
}

void CompileLoop::MapWritten() {
  mapTime_ = WriteTime(mapPath_);
}

std::optional<document::Cell> CompileLoop::CellOfMapLine(std::size_t line,
                                                         std::string& description) const {
  const std::optional<compiler::MapLineOrigin> origin = trace_.OriginOf(line);
  if (!origin || origin->source == compiler::MapLineSource::kWorld) return std::nullopt;
  const bool relay = origin->source == compiler::MapLineSource::kLinkRelay;
  const auto& list = relay ? builtLevel_.LinkList : builtLevel_.BlockList;
  if (origin->index >= list.size()) return std::nullopt;
  const std::optional<document::Cell> cell = document::ParseCell(list[origin->index]);
  if (!cell) return std::nullopt;
  description = compiler::CellText(*cell) + (relay ? ", the relay of the link " : ", block ") +
                Quoted(list[origin->index]);
  return cell;
}

void CompileLoop::Watch(std::unique_ptr<platform::WatchedProcess> process,
                        std::function<void()> leakFound) {
  StopWatching();
  process_ = std::move(process);
  leakFound_ = std::move(leakFound);
  // The application owns the notifier, so that it goes before the event dispatcher does.
  notifier_ = new QSocketNotifier(process_->OutputDescriptor(), QSocketNotifier::Read,
                                  QCoreApplication::instance());
  QObject::connect(notifier_.data(), &QSocketNotifier::activated, notifier_.data(),
                   [this] { runHandler_([this] { ReadOutput(); }); });
}

void CompileLoop::ReadOutput() {
  if (!process_) return;
  const platform::WatchedProcess::Output output = process_->ReadAvailable();
  for (const char c : output.bytes) {
    if (c == '\n') {
      AddOutputLine(std::move(partialLine_));
      partialLine_.clear();
    } else if (c != '\r') {
      partialLine_ += c;
      if (partialLine_.size() == kMaxOutputLine) {
        AddOutputLine(std::move(partialLine_));
        partialLine_.clear();
      }
    }
  }
  if (output.ended) Finish();
}

void CompileLoop::AddOutputLine(std::string line) {
  std::optional<document::Cell> cell;
  std::string description;
  if (const std::optional<std::size_t> mapLine = compiler::MapLineInMessage(line)) {
    cell = CellOfMapLine(*mapLine, description);
  }
  log_.Add(LogLineKind::kOutput, std::move(line), cell, std::move(description));
  Changed();
}

void CompileLoop::Finish() {
  if (!partialLine_.empty()) AddOutputLine(std::move(partialLine_));
  const platform::ProcessExit exit = process_->Exit();
  StopWatching();
  const std::string batch = compiler::kPostBuildBatchName;
  switch (exit.kind) {
    case platform::ProcessExit::Kind::kExited:
      log_.Add(LogLineKind::kStatus, batch + " finished with status " + DecimalText(exit.value));
      break;
    case platform::ProcessExit::Kind::kSignalled:
      log_.Add(LogLineKind::kStatus, batch + " was ended by signal " + DecimalText(exit.value));
      break;
    case platform::ProcessExit::Kind::kUnknown:
      log_.Add(LogLineKind::kStatus, batch + " ended without an exit status");
      break;
  }
  Changed();
  LookForLeak();
}

void CompileLoop::LookForLeak() {
  if (!mapTime_) return;
  for (const std::string& path : compiler::PointFilePaths(mapPath_)) {
    const std::optional<std::filesystem::file_time_type> time = WriteTime(path);
    // A point file older than the map is left from an earlier compile.
    if (!time || *time < *mapTime_) continue;
    const platform::ReadResult read = platform::ReadWholeFile(path);
    if (read.status != platform::ReadStatus::kOk) {
      Add(LogLineKind::kProblem, "the map leaks, but its point file cannot be read: " + read.error);
      return;
    }
    std::vector<compiler::FloorViewPoint> leak;
    std::set<std::int32_t> floors;
    for (const compiler::MapPoint& point : compiler::ParsePointFile(read.bytes)) {
      if (std::optional<compiler::FloorViewPoint> onView =
              compiler::PointOnFloorView(placement_, point)) {
        leak.push_back(*onView);
        floors.insert(onView->floor);
      }
    }
    if (leak.empty()) {
      Add(LogLineKind::kProblem, "the map leaks; its point file " + path + " holds no points");
      return;
    }
    std::string floorList;
    for (const std::int32_t floor : floors) {
      floorList += (floorList.empty() ? "" : ", ") + DecimalText(floor);
    }
    const document::Cell start{leak.front().floor, static_cast<std::int32_t>(leak.front().column),
                               static_cast<std::int32_t>(leak.front().row)};
    leak_ = std::move(leak);
    Add(LogLineKind::kProblem,
        compiler::CellText(start) + ": the map leaks from here; " + path + " holds its path of " +
            DecimalText(static_cast<std::int64_t>(leak_.size())) + " points, drawn on floor" +
            (floors.size() == 1 ? " " : "s ") + floorList + " until the next Build",
        start);
    if (leakFound_) leakFound_();
    return;
  }
}

}  // namespace cw::editor
