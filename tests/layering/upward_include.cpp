// Compiled with the include roots of the document layer alone, this must fail to build: the
// editor is a layer above the document.
#include "editor/editor.h"
