// cryptwright-build: compiles a level file into a Quake map from the command line, exactly as the
// editor's Build does after loading the level, and prints the same log.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/build_inputs.h"
#include "compiler/build_session.h"
#include "document/level_file.h"
#include "platform/interrupt_cleanup.h"
#include "platform/number_format.h"
#include "platform/shown_text.h"
#include "settings/settings.h"

namespace {

constexpr const char* kProgram = "cryptwright-build";

constexpr const char* kHelp =
    "Usage: cryptwright-build LEVEL OUTPUT [--post-build]\n"
    "       cryptwright-build LEVEL OUTPUT --post-build --wait\n"
    "       cryptwright-build --check LEVEL\n"
    "\n"
    "Compiles the level file LEVEL (.pwl) into the Quake map file OUTPUT (.map), exactly as\n"
    "the editor's Build command does, and prints the same log as the editor's compile log:\n"
    "the check of the level, the compiler's warnings, the map written and, with --wait, the\n"
    "post-build batch's output line by line. Problems and warnings begin with \"problem: \" and\n"
    "\"warning: \". Run it in the folder that holds the block templates (the block name\n"
    "followed by \".map\") and PellEd.ini: templates are looked up there and the placement\n"
    "settings are read from PellEd.ini (the defaults when it is missing).\n"
    "OUTPUT is replaced only once the whole map has been written; it may not be the level\n"
    "file, PellEd.ini, a block picture or a block template.\n"
    "\n"
    "Options:\n"
#ifdef _WIN32
    "  --post-build  after a successful build, start PellPost.BAT (found as Windows finds\n"
    "                programs, for instance in the current folder) with two arguments: the\n"
    "                short name of the map without its extension and the short path of the\n"
    "                folder that holds it, each in double quotes\n"
#else
    "  --post-build  after a successful build, start PellPost.BAT (from the current folder,\n"
    "                otherwise from PATH) with /bin/sh and two arguments: the map's name\n"
    "                without its extension and the folder that holds it\n"
#endif
    "  --wait        with --post-build: wait for PellPost.BAT, print its output (standard\n"
    "                output and standard error) line by line as the compile log shows it, and\n"
    "                exit with its status (128 + the signal when a signal ended it; 1 when it\n"
    "                could not be started)\n"
    "  --check LEVEL check the level without building it: records that do not parse, blocks\n"
    "                without template or picture, cells off the grid or sharing a cell, links\n"
    "                that lead nowhere, k-targets without a link, no player start, and the\n"
    "                budget against the target game's limits (PellEd.ini, section Game).\n"
    "                Exit status 0 when nothing was found, 1 when problems were found\n"
    "                (warnings alone give 0), 2 when LEVEL cannot be read or the\n"
    "                arguments are wrong\n"
    "  --help        show this help and exit\n"
    "\n"
    "Exit status of a build: 0 when the map was written (whatever the check found; a\n"
    "PellEd.ini that cannot be used is a warning on stderr), 1 when LEVEL cannot be read or\n"
    "OUTPUT cannot be written, 2 when the arguments are wrong.\n";

// One line on stderr, whole: names in it were escaped, so it holds no NUL and no control byte.
void PrintError(const std::string& message) {
  const std::string line = std::string(kProgram) + ": " + message + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

int UsageError(const std::string& message) {
  PrintError(message);
  std::fprintf(stderr, "Usage: %s LEVEL OUTPUT [--post-build [--wait]] | --check LEVEL | --help\n",
               kProgram);
  return 2;
}

// Each line of the log on standard output as the compile log words it, problems and warnings
// marked as such.
void PrintLogLine(const cw::compiler::LogLine& line) {
  const char* prefix = "";
  if (line.kind == cw::compiler::LogLineKind::kProblem) prefix = "problem: ";
  if (line.kind == cw::compiler::LogLineKind::kWarning) prefix = "warning: ";
  const std::string text = prefix + cw::compiler::LogLineText(line) + "\n";
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

// The level of a file that must exist, or nothing after its error was printed.
std::optional<cw::document::Level> LoadLevel(const std::string& path) {
  cw::platform::IoValue<cw::document::LoadedLevel> load = cw::document::LoadLevelFile(path);
  if (load) return std::move(load.value.level);
  PrintError(load.error);
  return std::nullopt;
}

// The settings of the folder; a PellEd.ini that cannot be used gives the defaults and a warning.
cw::settings::Settings ReadSettings() {
  cw::settings::SettingsFile file = cw::settings::LoadSettingsFile(cw::settings::kSettingsFileName);
  if (!file.warning.empty()) PrintError("warning: " + file.warning);
  return std::move(file.settings);
}

// --check: every finding on a line of its own, then how many there were.
int CheckLevelFile(const std::string& levelPath) {
  const std::optional<cw::document::Level> level = LoadLevel(levelPath);
  if (!level) return 2;
  const cw::settings::Settings settings = ReadSettings();
  bool problems = false;
  cw::compiler::BuildSession session(cw::platform::SystemProcessRunner());
  session.Check(*level, settings, [&](cw::compiler::LogLine line) {
    problems = problems || line.kind == cw::compiler::LogLineKind::kProblem;
    PrintLogLine(line);
  });
  return problems ? 1 : 0;
}

// The exit status that --wait passes on: the batch's own, 128 + a signal that ended it.
int StatusOf(const cw::platform::ProcessExit& exit) {
  switch (exit.kind) {
    case cw::platform::ProcessExit::Kind::kExited:
      return exit.value;
    case cw::platform::ProcessExit::Kind::kSignalled:
      return 128 + exit.value;
    case cw::platform::ProcessExit::Kind::kUnknown:
      break;
  }
  return 1;
}

int Build(const std::string& levelPath, const std::string& mapPath, bool postBuild, bool wait) {
  // The level, the settings, and a map that would replace none of the build's own files; nothing
  // is written before.
  const cw::platform::IoValue<cw::compiler::BuildInputs> inputs =
      cw::compiler::ReadBuildInputs(levelPath, mapPath, cw::settings::kSettingsFileName);
  if (!inputs.value.settingsWarning.empty()) PrintError("warning: " + inputs.value.settingsWarning);
  if (!inputs) {
    PrintError(inputs.error);
    return 1;
  }
  const cw::document::Level* const level = &inputs.value.level;
  const cw::settings::Settings& settings = inputs.value.settings;
  cw::compiler::BuildSession session(cw::platform::SystemProcessRunner());
  const cw::compiler::PostBuild batch = !postBuild ? cw::compiler::PostBuild::kNone
                                        : wait     ? cw::compiler::PostBuild::kWatched
                                                   : cw::compiler::PostBuild::kDetached;
  const cw::platform::IoResult written =
      session.Build(*level, settings, mapPath, batch, PrintLogLine);
  if (!written) {
    PrintError(written.error);
    return 1;
  }
  if (!wait) return 0;
  if (!session.BatchRunning()) return session.BatchStarted() ? 0 : 1;
  return StatusOf(session.WaitForBatch(PrintLogLine));
}

}  // namespace

int main(int argc, char** argv) {
  cw::platform::RemoveTemporaryFileOnInterrupt();
  std::vector<std::string> files;
  bool postBuild = false;
  bool wait = false;
  std::vector<std::string> checks;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (argument == "--post-build") {
      postBuild = true;
    } else if (argument == "--wait") {
      wait = true;
    } else if (argument == "--check") {
      if (i + 1 == argc) return UsageError("--check needs a level file");
      checks.emplace_back(argv[++i]);
    } else if (argument.size() > 1 && argument.front() == '-') {
      return UsageError("unknown option " + cw::platform::ShownText(argument));
    } else {
      files.emplace_back(argument);
    }
  }
  if (!checks.empty()) {
    if (checks.size() != 1 || !files.empty() || postBuild || wait) {
      return UsageError("--check takes one level file and nothing else");
    }
    return CheckLevelFile(checks.front());
  }
  if (files.size() != 2) return UsageError("expected a level file and an output file");
  if (wait && !postBuild) return UsageError("--wait needs --post-build");
  return Build(files[0], files[1], postBuild, wait);
}
