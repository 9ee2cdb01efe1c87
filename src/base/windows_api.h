// The Windows API, included the one way the program needs it: without the
// min and max macros, which would break the standard library's, and
// without the parts of windows.h that nothing here uses. Only Windows
// builds include this file.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
