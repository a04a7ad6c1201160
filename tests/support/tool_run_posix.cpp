#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "support/test_files.h"
#include "support/tool_run.h"

namespace cw::testing {

ToolRun RunProgram(const std::string& program, const std::filesystem::path& folder,
                   const std::vector<std::string>& arguments) {
  const std::string outPath = (folder / ".stdout").string();
  const std::string errPath = (folder / ".stderr").string();
  std::vector<std::string> argv = {program};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char*> args;
  for (std::string& a : argv) args.push_back(a.data());
  args.push_back(nullptr);
  // Nothing buffered may be written twice by the child.
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::chdir(folder.c_str()) != 0 || !::freopen(outPath.c_str(), "w", stdout) ||
        !::freopen(errPath.c_str(), "w", stderr)) {
      ::_exit(126);
    }
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  ToolRun run;
  int status = 0;
  if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
    run.exitCode = WEXITSTATUS(status);
  }
  run.out = ReadFileBytes(outPath);
  run.err = ReadFileBytes(errPath);
  return run;
}

}  // namespace cw::testing
