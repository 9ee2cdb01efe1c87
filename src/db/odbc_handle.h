// One owner per ODBC handle.
//
// OdbcHandle frees its handle when it goes out of scope, on every path, and
// cannot be copied. Callers that must report the result of freeing use
// reset(); the destructor ignores it.
#pragma once

#include <utility>

#include "base/odbc.h"

namespace skarvik {

template <SQLSMALLINT kType>
class OdbcHandle {
 public:
  OdbcHandle() = default;
  ~OdbcHandle() { reset(); }
  OdbcHandle(const OdbcHandle&) = delete;
  OdbcHandle& operator=(const OdbcHandle&) = delete;
  OdbcHandle(OdbcHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OdbcHandle& operator=(OdbcHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }

  SQLHANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != SQL_NULL_HANDLE; }

  // Allocates a fresh handle under parent (SQL_NULL_HANDLE for an
  // environment); any handle held before is freed first.
  SQLRETURN allocate(SQLHANDLE parent) {
    reset();
    SQLHANDLE fresh = SQL_NULL_HANDLE;
    const SQLRETURN rc = SQLAllocHandle(kType, parent, &fresh);
    if (rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO) handle_ = fresh;
    return rc;
  }

  SQLRETURN reset() {
    if (handle_ == SQL_NULL_HANDLE) return SQL_SUCCESS;
    return SQLFreeHandle(kType, std::exchange(handle_, nullptr));
  }

 private:
  SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

using EnvHandle = OdbcHandle<SQL_HANDLE_ENV>;
using DbcHandle = OdbcHandle<SQL_HANDLE_DBC>;
using StmtHandle = OdbcHandle<SQL_HANDLE_STMT>;

}  // namespace skarvik
