// cryptwright-build: compiles a level file into a Quake map from the command line, exactly as the
// editor's Build does after loading the level.

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/build.h"
#include "compiler/build_inputs.h"
#include "compiler/level_check.h"
#include "compiler/post_build.h"
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
    "the editor's Build command does. Run it in the folder that holds the block templates\n"
    "(the block name followed by \".map\") and PellEd.ini: templates are looked up there and the\n"
    "placement settings are read from PellEd.ini (the defaults when it is missing).\n"
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
    "  --wait        with --post-build: wait for PellPost.BAT, pass its output (standard\n"
    "                output and standard error) through to standard output, and exit with\n"
    "                its status (128 + the signal when a signal ended it; 1 when it could not\n"
    "                be started)\n"
    "  --check LEVEL check the level without building it: records that do not parse, blocks\n"
    "                without template or picture, cells off the grid or sharing a cell, links\n"
    "                that lead nowhere, k-targets without a link, no player start, and the\n"
    "                budget against the target game's limits (PellEd.ini, section Game).\n"
    "                Exit status 0 when nothing was found, 1 when problems were found\n"
    "                (warnings alone give 0), 2 when LEVEL cannot be read or the\n"
    "                arguments are wrong\n"
    "  --help        show this help and exit\n"
    "\n"
    "Exit status of a build: 0 when the map was written (warnings about missing block\n"
    "templates, records that do not parse and a PellEd.ini that cannot be used go to stderr),\n"
    "1 when LEVEL cannot be read or OUTPUT cannot be written, 2 when the arguments are wrong.\n";

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

// --check: every finding on a line of its own, then how many there were.
int CheckLevelFile(const std::string& levelPath) {
  const cw::document::LoadResult load = cw::document::LoadLevelFile(levelPath);
  if (load.status != cw::document::LoadStatus::kLoaded) {
    PrintError(load.status == cw::document::LoadStatus::kNotFound
                   ? cw::platform::ErrnoMessage(levelPath, ENOENT)
                   : load.error);
    return 2;
  }
  const cw::settings::SettingsFile settingsFile =
      cw::settings::LoadSettingsFile(cw::settings::kSettingsFileName);
  if (!settingsFile.warning.empty()) PrintError("warning: " + settingsFile.warning);
  const cw::settings::Settings& settings = settingsFile.settings;
  cw::compiler::FileTemplateSource templates;
  const cw::compiler::CheckReport report =
      cw::compiler::CheckLevel(load.level, settings, templates, cw::compiler::PictureFileExists);
  int problems = 0, warnings = 0;
  for (const cw::compiler::Finding& finding : report.findings) {
    const char* prefix = "";
    if (finding.severity == cw::compiler::Severity::kProblem) {
      prefix = "problem: ";
      ++problems;
    } else if (finding.severity == cw::compiler::Severity::kWarning) {
      prefix = "warning: ";
      ++warnings;
    }
    std::printf("%s%s\n", prefix, cw::compiler::FindingText(finding).c_str());
  }
  std::printf("%d problem%s, %d warning%s\n", problems, problems == 1 ? "" : "s", warnings,
              warnings == 1 ? "" : "s");
  return report.HasProblems() ? 1 : 0;
}

// --wait: the batch's output passed through as it comes; its status becomes ours.
int WaitForPostBuild(cw::platform::WatchedProcess& process) {
  const cw::platform::ProcessExit exit = process.WaitPassingOutput([](std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
  });
  switch (exit.kind) {
    case cw::platform::ProcessExit::Kind::kExited:
      return exit.value;
    case cw::platform::ProcessExit::Kind::kSignalled:
      PrintError(std::string(cw::compiler::kPostBuildBatchName) + " was ended by signal " +
                 cw::platform::DecimalText(exit.value));
      return 128 + exit.value;
    case cw::platform::ProcessExit::Kind::kUnknown:
      break;
  }
  PrintError(std::string(cw::compiler::kPostBuildBatchName) + " ended without an exit status");
  return 1;
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
  cw::compiler::BuildServices services;
  std::unique_ptr<cw::platform::WatchedProcess> batch;
  if (postBuild && wait) {
    services.startPostBuild = [&batch](const std::string& mapPath) {
      cw::compiler::WatchedPostBuild started = cw::compiler::StartWatchedPostBuild(mapPath);
      batch = std::move(started.process);
      return started.started;
    };
  } else if (postBuild) {
    services.startPostBuild = cw::compiler::RunPostBuild;
  }
  const cw::compiler::BuildInputs inputs =
      cw::compiler::ReadBuildInputs(files[0], files[1], cw::settings::kSettingsFileName);
  if (!inputs.settingsWarning.empty()) PrintError("warning: " + inputs.settingsWarning);
  if (!inputs.result) {
    PrintError(inputs.result.error);
    return 1;
  }
  const cw::compiler::BuildOutcome outcome =
      cw::compiler::RunBuild(inputs.level, inputs.settings.block, files[1], services);
  for (const std::string& warning : outcome.warnings) PrintError("warning: " + warning);
  if (!outcome.result) {
    PrintError(outcome.result.error);
    return 1;
  }
  if (postBuild && !outcome.postBuildStarted) {
    PrintError(std::string("warning: ") + cw::compiler::kPostBuildBatchName +
               " could not be found or started; no post-build step ran");
    return wait ? 1 : 0;
  }
  if (batch) return WaitForPostBuild(*batch);
  return 0;
}
