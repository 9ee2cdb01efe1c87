// The ODBC interface, included in this one place. The Windows ODBC headers
// use the types of windows.h without including it, so it must come first
// there.
#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

#include <sql.h>
#include <sqlext.h>

// The buffer lengths the program hands to ODBC are SQLLEN, which is as wide
// as a pointer on 64-bit builds and 32 bits on 32-bit Windows; every field
// width fits either.
static_assert(sizeof(SQLLEN) == sizeof(void*));
