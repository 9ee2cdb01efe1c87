// The query floor of the benchmark: the export's SQL statements, in the
// export's order, through the same driver, every row fetched into bound
// character buffers, and nothing formatted or written. The export can be no
// faster than this; the benchmark reports how far above it the export is.
//
//   query_floor DSN [USER PASSWORD]
#include <sql.h>
#include <sqlext.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr char kTerminals[] =
    "SELECT  TrmNam, TrmInt, TrmMod, TrmTas, TrmSal,  TrmUpl, TrmDnl, TrmSpr, TrmDtm, TrmApp,  "
    "TrmLog, TrmPra, TrmSyn, TrmFnk, TrmDis,  TrmTon, TrmDau, TrmLst, TrmHst, TrmAlf,  TrmSto, "
    "TrmTxt, TrmKtx, TrmSta, TrmErf FROM  VKSYSTEM.Vks1140Trm";
constexpr char kCommunication[] =
    "SELECT  ComIpa, ComGat, ComShs, ComEvp,  ComTmp, ComSub, ComTwx, ComPor,  ComSch, ComSto, "
    "ComLkn, ComVor,  ComTel, ComDwl, ComGid, ComLer  FROM  VKSYSTEM.Vks1140Com  WHERE  ComNam = "
    "'%s'";
constexpr char kReaders[] =
    "SELECT  ZlsTrm, ZlsLes, ZlsZko, ZlsAus, ZlsTfr,  ZlsTvr, ZlsEin, ZlsAdr, ZlsTxt, ZlsKtx,  "
    "ZlsSta, ZlsErf FROM  VKSYSTEM.Vks401Zls  WHERE  ZlsTrm = '%s'";
constexpr char kTypes[] =
    "SELECT  TsmNam, TsmTyp, TsmTas, TsmSal,  TsmUpl, TsmDnl, TsmSpr, TsmTxt,  TsmKtx, TsmKsw, "
    "TsmSta, TsmErf FROM  VKSYSTEM.Vks114Tsm";
constexpr char kTerm[] = "SELECT  TsmTyp  FROM  VKSYSTEM.Vks114Tsm WHERE  %s = '%s'";
constexpr char kBalanceHeaders[] =
    "SELECT  TslNam, TslDau, TslTxt,  TslSta, TslDat, TslErf  FROM  VKSYSTEM.O2101SalTab";
constexpr char kBalancePositions[] =
    "SELECT  TsaSal, TsaLfd, TsaAnz,  TsaAus, TsaSta, TsaErf,  TsaDat, TsaSpl FROM  "
    "VKSYSTEM.G2101SalLst WHERE  TsaSal = '%s'";
constexpr char kKeyHeaders[] =
    "SELECT  TttNam, TttTxt, TttKtx,  TttSta, TttErf, TttDat,  TttArt, TttTas, TttTtp FROM  "
    "VKSYSTEM.O2100TastTab";
constexpr char kKeyPositions[] =
    "SELECT  TtaNum, TtaTyp, TtaMnu, TtaTas,  TtaBch, TtaPos, TtaTxt, TtaDnc,  TtaFtp, TtaDat, "
    "TtaErf, TtaF01,  TtaF02, TtaF03, TtaF04, TtaF05,  TtaF06, TtaF07, TtaF08, TtaF09,  TtaF10, "
    "TtaF11, TtaF12, TtaFcd,  TtaAps, TtaTav FROM  VKSYSTEM.O2108Tta WHERE  TtaNum = '%s'";

SQLHDBC dbc = SQL_NULL_HDBC;
long rows = 0;

std::string Keyed(const char* text, const std::string& first, const std::string& second = "") {
  std::string sql = text;
  sql.replace(sql.find("%s"), 2, first);
  if (!second.empty()) sql.replace(sql.find("%s"), 2, second);
  return sql;
}

// Runs one statement; calls each(row) for every row, with column 1 of it.
template <class Each>
void Run(const std::string& sql, bool attributes, bool firstRowOnly, Each each) {
  SQLHSTMT stmt = SQL_NULL_HSTMT;
  SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
  if (attributes) {
    SQLSetStmtAttr(stmt, SQL_ATTR_CURSOR_SCROLLABLE, (SQLPOINTER)SQL_NONSCROLLABLE, SQL_IS_INTEGER);
    SQLSetStmtAttr(stmt, SQL_ATTR_CONCURRENCY, (SQLPOINTER)SQL_CONCUR_LOCK, SQL_IS_INTEGER);
  }
  SQLExecDirect(stmt, (SQLCHAR*)sql.c_str(), SQL_NTS);
  SQLSMALLINT columns = 0;
  SQLNumResultCols(stmt, &columns);
  std::vector<char> buffers(columns * 256);
  SQLLEN indicator = 0;
  for (SQLSMALLINT c = 0; c < columns; ++c) {
    SQLBindCol(stmt, c + 1, SQL_C_CHAR, &buffers[c * 256], 256, &indicator);
  }
  while (SQL_SUCCEEDED(SQLFetch(stmt))) {
    ++rows;
    each(std::string(buffers.data()));
    if (firstRowOnly) break;
  }
  SQLFreeHandle(SQL_HANDLE_STMT, stmt);
}

void NoRows(const std::string&) {}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2 && argc != 4) {
    std::fprintf(stderr, "usage: query_floor DSN [USER PASSWORD]\n");
    return 2;
  }
  SQLHENV env = SQL_NULL_HENV;
  SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
  SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, (SQLPOINTER)SQL_OV_ODBC3, SQL_IS_INTEGER);
  SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
  const char* user = argc == 4 ? argv[2] : "";
  const char* password = argc == 4 ? argv[3] : "";
  if (!SQL_SUCCEEDED(SQLConnect(dbc, (SQLCHAR*)argv[1], SQL_NTS, (SQLCHAR*)user, SQL_NTS,
                                (SQLCHAR*)password, SQL_NTS))) {
    std::fprintf(stderr, "query_floor: cannot connect to %s\n", argv[1]);
    return 1;
  }
  auto terminal = [](const std::string& name) {
    Run(Keyed(kCommunication, name), false, true, NoRows);
    Run(Keyed(kReaders, name), true, false, NoRows);
  };
  Run(kTerminals, true, false, terminal);
  Run(kTypes, true, false,
      [](const std::string& name) { Run(Keyed(kReaders, name), true, false, NoRows); });
  Run(kBalanceHeaders, true, false, [](const std::string& name) {
    Run(Keyed(kTerm, "TsmSal", name), true, true, NoRows);
    Run(Keyed(kBalancePositions, name), true, false, NoRows);
  });
  Run(kKeyHeaders, true, false, [](const std::string& name) {
    Run(Keyed(kTerm, "TsmTas", name), true, true, NoRows);
    Run(Keyed(kKeyPositions, name), true, false, NoRows);
  });
  std::printf("%ld rows\n", rows);
  SQLDisconnect(dbc);
  SQLFreeHandle(SQL_HANDLE_DBC, dbc);
  SQLFreeHandle(SQL_HANDLE_ENV, env);
  return 0;
}
