#include "host/QuillviewApp.h"

namespace {
CQuillviewApp g_app;
}  // namespace

CQuillviewApp& QuillviewApp() { return g_app; }
