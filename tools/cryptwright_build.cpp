// cryptwright-build: compiles a level file into a Quake map from the command line, exactly as the
// editor's Build does after loading the level.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/build.h"
#include "compiler/post_build.h"
#include "settings/settings.h"

namespace {

constexpr const char* kProgram = "cryptwright-build";

constexpr const char* kHelp =
    "Usage: cryptwright-build LEVEL OUTPUT [--post-build]\n"
    "\n"
    "Compiles the level file LEVEL (.pwl) into the Quake map file OUTPUT (.map), exactly as\n"
    "the editor's Build command does. Run it in the folder that holds the block templates\n"
    "(the block name followed by \".map\") and PellEd.ini: templates are looked up there and the\n"
    "placement settings are read from PellEd.ini (the defaults when it is missing).\n"
    "OUTPUT is replaced only once the whole map has been written.\n"
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
    "  --help        show this help and exit\n"
    "\n"
    "Exit status: 0 when the map was written (warnings about missing block templates and\n"
    "records that do not parse go to stderr), 1 when LEVEL cannot be read or OUTPUT cannot be\n"
    "written, 2 when the arguments are wrong.\n";

void PrintError(const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str());
}

int UsageError(const std::string& message) {
  PrintError(message);
  std::fprintf(stderr, "Usage: %s LEVEL OUTPUT [--post-build]; try '%s --help'\n", kProgram,
               kProgram);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> files;
  bool postBuild = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (argument == "--post-build") {
      postBuild = true;
    } else if (argument.size() > 1 && argument.front() == '-') {
      return UsageError("unknown option " + std::string(argument));
    } else {
      files.emplace_back(argument);
    }
  }
  if (files.size() != 2) return UsageError("expected a level file and an output file");
  cw::compiler::BuildServices services;
  if (postBuild) services.startPostBuild = cw::compiler::RunPostBuild;
  const cw::compiler::BuildOutcome outcome =
      cw::compiler::BuildLevelFile(files[0], files[1], cw::settings::kSettingsFileName, services);
  for (const std::string& warning : outcome.warnings) PrintError("warning: " + warning);
  if (!outcome.result) {
    PrintError(outcome.result.error);
    return 1;
  }
  if (postBuild && !outcome.postBuildStarted) {
    PrintError(std::string("warning: ") + cw::compiler::kPostBuildBatchName +
               " could not be found or started; no post-build step ran");
  }
  return 0;
}
