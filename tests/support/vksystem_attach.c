/* A SQLite extension for the test bed and the demo.
 *
 * The old system's queries name their tables "VKSYSTEM.Vks1140Trm" on an
 * ordinary data source and "Vks1140Trm" on the special one. SQLite has no
 * schemas, so this extension, loaded by the ODBC driver at connect time
 * (data source option LoadExt), attaches the main database file a second
 * time under the name VKSYSTEM: both forms then reach the same table. */
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

#include <stdio.h>

#ifdef _WIN32
__declspec(dllexport)
#endif
int sqlite3_extension_init(sqlite3* db, char** error, const sqlite3_api_routines* api) {
  SQLITE_EXTENSION_INIT2(api);
  const char* file = sqlite3_db_filename(db, "main");
  if (file == NULL || file[0] == '\0') return SQLITE_OK;
  char* sql = sqlite3_mprintf("ATTACH DATABASE %Q AS VKSYSTEM", file);
  if (sql == NULL) return SQLITE_NOMEM;
  const int rc = sqlite3_exec(db, sql, NULL, NULL, error);
  sqlite3_free(sql);
  return rc;
}
