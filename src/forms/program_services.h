#pragma once

#include "editor/editor_services.h"

namespace cw::forms {

// The services of the running program: Qt's file dialog, a critical message box, the post-build
// batch, standard error, the questions about unsaved changes and recovery files, and the per-user
// recovery folder. Needs the application's name set first.
editor::EditorServices ProgramServices();

}  // namespace cw::forms
