#include "support/post_build_probe.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <fstream>
#include <thread>

namespace cw::testing {

#ifndef _WIN32

std::string RecordingBatchScript(const std::filesystem::path& record) {
  const std::string target = record.string();
  // The record's own path is single-quoted for the shell; test folders hold no single quote.
  return "printf '%s\\n' \"$#\" \"$1\" \"$2\" \"$PWD\" > '" + target + ".tmp' && /bin/mv '" +
         target + ".tmp' '" + target + "'\n";
}

std::string FolderAsPassed(const std::filesystem::path& folder) {
  return folder.string();
}

#else

std::string RecordingBatchScript(const std::filesystem::path& record) {
  // Each argument is unquoted inside a quoted assignment and written out by delayed expansion,
  // after cmd has read the line, so that a "&" in it is text and runs nothing. The record's own
  // path holds no "%" or "!".
  // Built by appending: "literal" + std::string trips a false -Wrestrict warning of GCC 12 at -O3.
  std::string part = "\"";
  part += record.string();
  part += ".tmp\"";
  const std::string lines[] = {
      "@echo off",
      "setlocal DisableDelayedExpansion",
      "set count=0",
      "for %%a in (%*) do set /a count+=1",
      "set \"first=%~1\"",
      "set \"second=%~2\"",
      "setlocal EnableDelayedExpansion",
      "> " + part + " echo.!count!",
      ">> " + part + " echo.!first!",
      ">> " + part + " echo.!second!",
      ">> " + part + " echo.!cd!",
      "move /y " + part + " \"" + record.string() + "\" > nul",
  };
  std::string script;
  for (const std::string& line : lines) script += line + "\r\n";
  return script;
}

std::string FolderAsPassed(const std::filesystem::path& folder) {
  char shortPath[MAX_PATH];
  const DWORD length = ::GetShortPathNameA(folder.string().c_str(), shortPath, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return folder.string();
  return std::string(shortPath, length);
}

#endif

std::optional<std::vector<std::string>> WaitForLines(const std::filesystem::path& path,
                                                     std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!std::filesystem::exists(path)) {
    if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace cw::testing
