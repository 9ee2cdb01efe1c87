// The ODBC interface of the driver manager, included in this one place.
//
// The Windows ODBC headers use the basic types of windows.h (DWORD, HWND,
// INT64) without including it, so there it has to come first.
#pragma once

#ifdef _WIN32
#include "base/windows_api.h"
#endif

#include <sql.h>
#include <sqlext.h>

#include <cstdint>

// The widths the program relies on, the same on 64-bit Linux and on 32- and
// 64-bit Windows: a length indicator (SQLLEN) is as wide as a pointer, so
// that integer statement attributes pass as SQLPOINTER and a driver writes
// the whole indicator it was given; a native error code fits 32 bits.
static_assert(sizeof(SQLLEN) == sizeof(SQLPOINTER));
static_assert(sizeof(SQLULEN) == sizeof(SQLPOINTER));
static_assert(sizeof(SQLINTEGER) == sizeof(std::int32_t));
