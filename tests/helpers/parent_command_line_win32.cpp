// parent-command-line RECORD: writes the command line of the process that started it to the
// file RECORD (to RECORD.tmp first, then renamed, so the record appears whole). A batch file
// runs it to show the command line that cmd was given, before cmd's own expansion of %1 and %2
// changes anything in it.
// <windows.h> first: the other two build on it.
#include <windows.h>

#include <tlhelp32.h>
#include <winternl.h>

#include <cstdio>
#include <string>

namespace {

DWORD ParentProcessId() {
  const DWORD self = ::GetCurrentProcessId();
  DWORD parent = 0;
  const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32First(snapshot, &entry); more;
       more = ::Process32Next(snapshot, &entry)) {
    if (entry.th32ProcessID == self) parent = entry.th32ParentProcessID;
  }
  ::CloseHandle(snapshot);
  return parent;
}

// Read from the process's parameter block: Wine knows no query for another process's command
// line.
bool CommandLineOf(DWORD processId, std::wstring& commandLine) {
  const HANDLE process =
      ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
  if (!process) return false;
  PROCESS_BASIC_INFORMATION basic{};
  PEB peb{};
  RTL_USER_PROCESS_PARAMETERS parameters{};
  SIZE_T read = 0;
  bool ok =
      ::NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                  nullptr) == 0 &&
      ::ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof peb, &read) &&
      ::ReadProcessMemory(process, peb.ProcessParameters, &parameters, sizeof parameters, &read);
  if (ok) {
    commandLine.assign(parameters.CommandLine.Length / sizeof(wchar_t), L'\0');
    ok = ::ReadProcessMemory(process, parameters.CommandLine.Buffer, commandLine.data(),
                             parameters.CommandLine.Length, &read);
  }
  ::CloseHandle(process);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: parent-command-line RECORD\n", stderr);
    return 2;
  }
  std::wstring commandLine;
  if (!CommandLineOf(ParentProcessId(), commandLine)) return 1;
  const int size =
      ::WideCharToMultiByte(CP_ACP, 0, commandLine.data(), static_cast<int>(commandLine.size()),
                            nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, commandLine.data(), static_cast<int>(commandLine.size()),
                        bytes.data(), size, nullptr, nullptr);
  const std::string part = std::string(argv[1]) + ".tmp";
  std::FILE* out = std::fopen(part.c_str(), "wb");
  if (!out) return 1;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  if (std::fclose(out) != 0 || !written) return 1;
  return ::MoveFileExA(part.c_str(), argv[1], MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
