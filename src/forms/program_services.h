#pragma once

#include "editor/editor_services.h"

namespace cw::forms {

// The services of the running program: Qt's file dialog, a critical message box, the post-build
// batch and standard error.
editor::EditorServices ProgramServices();

}  // namespace cw::forms
