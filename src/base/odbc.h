// The ODBC interface of the driver manager, for every file that talks to it.
//
// The Windows ODBC headers use the basic types of windows.h (DWORD, HWND,
// INT64) without including it, so there it has to come first. No other
// file includes the ODBC headers itself.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

#include <sql.h>
#include <sqlext.h>
