#include <windows.h>

#include <random>
#include <stdexcept>

#include "support/waiting_pipe.h"

namespace cw::testing {

WaitingPipe::WaitingPipe() {
  std::random_device entropy;
  path_ = "\\\\.\\pipe\\cryptwright-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
          std::to_string(entropy());
  const HANDLE server = ::CreateNamedPipeA(path_.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE,
                                           PIPE_UNLIMITED_INSTANCES, 4096, 4096, 0, nullptr);
  if (server == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + path_);
  server_ = server;
}

WaitingPipe::~WaitingPipe() {
  ::CloseHandle(static_cast<HANDLE>(server_));
}

}  // namespace cw::testing
