#include <windows.h>

#include "support/test_files.h"
#include "support/tool_run.h"

namespace cw::testing {
namespace {

// One argument as the C runtime's command-line parser reads it back: in double quotes, with a
// quote inside escaped by a backslash and the backslashes just before a quote doubled.
void AppendQuoted(std::string& commandLine, const std::string& argument) {
  commandLine += '"';
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    commandLine.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    commandLine += c;
  }
  commandLine.append(2 * backslashes, '\\');
  commandLine += '"';
}

HANDLE InheritableFile(const std::string& path) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The console text of a Windows program ends its lines with CR LF.
std::string WithLineFeedEnds(const std::string& text) {
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n') lines += text[i];
  }
  return lines;
}

}  // namespace

ToolRun RunProgram(const std::string& program, const std::filesystem::path& folder,
                   const std::vector<std::string>& arguments) {
  const std::string outPath = (folder / ".stdout").string();
  const std::string errPath = (folder / ".stderr").string();
  std::string commandLine;
  AppendQuoted(commandLine, program);
  for (const std::string& argument : arguments) {
    commandLine += ' ';
    AppendQuoted(commandLine, argument);
  }
  ToolRun run;
  const HANDLE out = InheritableFile(outPath);
  const HANDLE err = InheritableFile(errPath);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  const std::string workingFolder = folder.string();
  if (out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE &&
      ::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                       workingFolder.c_str(), &startup, &process)) {
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0;
    if (::GetExitCodeProcess(process.hProcess, &exitCode))
      run.exitCode = static_cast<int>(exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
  }
  if (out != INVALID_HANDLE_VALUE) ::CloseHandle(out);
  if (err != INVALID_HANDLE_VALUE) ::CloseHandle(err);
  run.out = WithLineFeedEnds(ReadFileBytes(outPath));
  run.err = WithLineFeedEnds(ReadFileBytes(errPath));
  return run;
}

}  // namespace cw::testing
