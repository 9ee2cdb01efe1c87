#include "old_database.h"

namespace skarvik::testbed {

const std::vector<TableDef>& OldTables() {
  static const std::vector<TableDef> tables = {
      {"Vks1140Trm",
       {{"TrmNam", 255}, {"TrmInt", 5},   {"TrmMod", 8},  {"TrmTas", 10}, {"TrmSal", 10},
        {"TrmUpl", 10},  {"TrmDnl", 10},  {"TrmSpr", 5},  {"TrmDtm", 5},  {"TrmApp", 200},
        {"TrmLog", 200}, {"TrmPra", 200}, {"TrmSyn", 1},  {"TrmFnk", 1},  {"TrmDis", 1},
        {"TrmTon", 5},   {"TrmDau", 5},   {"TrmLst", 5},  {"TrmHst", 5},  {"TrmAlf", 5},
        {"TrmSto", 30},  {"TrmTxt", 50},  {"TrmKtx", 10}, {"TrmSta", 5},  {"TrmErf", 50}}},
      {"Vks1140Com",
       {{"ComNam", 255},
        {"ComIpa", 15},
        {"ComGat", 15},
        {"ComShs", 15},
        {"ComEvp", 5},
        {"ComTmp", 5},
        {"ComSub", 15},
        {"ComTwx", 10},
        {"ComPor", 6},
        {"ComSch", 6},
        {"ComSto", 6},
        {"ComLkn", 5},
        {"ComVor", 10},
        {"ComTel", 20},
        {"ComDwl", 32},
        {"ComGid", 5},
        {"ComLer", 3}}},
      {"Vks401Zls",
       {{"ZlsTrm", 255},
        {"ZlsLes", 5},
        {"ZlsZko", 5},
        {"ZlsAus", 5},
        {"ZlsTfr", 5},
        {"ZlsTvr", 5},
        {"ZlsEin", 5},
        {"ZlsAdr", 5},
        {"ZlsTxt", 50},
        {"ZlsKtx", 10},
        {"ZlsSta", 5},
        {"ZlsErf", 50}}},
      {"Vks114Tsm",
       {{"TsmNam", 255},
        {"TsmTyp", 8},
        {"TsmTas", 10},
        {"TsmSal", 10},
        {"TsmUpl", 10},
        {"TsmDnl", 10},
        {"TsmSpr", 5},
        {"TsmTxt", 50},
        {"TsmKtx", 10},
        {"TsmKsw", 1},
        {"TsmSta", 5},
        {"TsmErf", 50}}},
      {"O2101SalTab",
       {{"TslNam", 10},
        {"TslDau", 5},
        {"TslTxt", 50},
        {"TslSta", 5},
        {"TslDat", 25},
        {"TslErf", 50}}},
      {"G2101SalLst",
       {{"TsaSal", 10},
        {"TsaLfd", 5},
        {"TsaAnz", 5},
        {"TsaAus", 5},
        {"TsaSta", 5},
        {"TsaErf", 50},
        {"TsaDat", 25},
        {"TsaSpl", 2}}},
      {"O2100TastTab",
       {{"TttNam", 10},
        {"TttTxt", 50},
        {"TttKtx", 10},
        {"TttSta", 5},
        {"TttErf", 50},
        {"TttDat", 25},
        {"TttArt", 2},
        {"TttTas", 1},
        {"TttTtp", 10}}},
      {"O2108Tta", {{"TtaNum", 10}, {"TtaTyp", 10}, {"TtaMnu", 1}, {"TtaTas", 5}, {"TtaBch", 3},
                    {"TtaPos", 2},  {"TtaTxt", 50}, {"TtaDnc", 5}, {"TtaFtp", 5}, {"TtaDat", 25},
                    {"TtaErf", 50}, {"TtaF01", 1},  {"TtaF02", 1}, {"TtaF03", 1}, {"TtaF04", 1},
                    {"TtaF05", 1},  {"TtaF06", 1},  {"TtaF07", 1}, {"TtaF08", 1}, {"TtaF09", 1},
                    {"TtaF10", 1},  {"TtaF11", 1},  {"TtaF12", 1}, {"TtaFcd", 3}, {"TtaAps", 2},
                    {"TtaTav", 1}}},
  };
  return tables;
}

std::string SqlLiteral(const Value& value) {
  if (!value) return "NULL";
  std::string literal = "'";
  for (const char c : *value) {
    if (c == '\'') literal += '\'';
    literal += c;
  }
  return literal + "'";
}

void OldDatabase::createTables() {
  for (const TableDef& table : OldTables()) {
    std::string sql = "CREATE TABLE " + qualified(table.name) + " (";
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
      sql +=
          (i ? ", " : "") + std::string(table.columns[i].name) + " " + columnType(table.columns[i]);
    }
    exec(sql + ")");
  }
}

std::string OldDatabase::columnType(const ColumnDef& column) const {
  return "VARCHAR(" + std::to_string(column.width) + ")";
}

namespace {

int DeclaredWidth(const std::string& table, const std::string& column) {
  for (const TableDef& t : OldTables()) {
    if (table != t.name) continue;
    for (const ColumnDef& c : t.columns) {
      if (column == c.name) return c.width;
    }
  }
  return -1;
}

}  // namespace

void OldDatabase::insert(const Row& row) {
  for (const auto& [name, value] : row.values) {
    const int width = DeclaredWidth(row.table, name);
    if (value && width >= 0 && value->size() > static_cast<std::size_t>(width)) {
      makeRoom(row.table, name, value->size());
    }
  }
  std::string names;
  std::string values;
  for (const auto& [name, value] : row.values) {
    names += (names.empty() ? "" : ", ") + name;
    values += (values.empty() ? "" : ", ") + SqlLiteral(value);
  }
  exec("INSERT INTO " + qualified(row.table) + " (" + names + ") VALUES (" + values + ")");
}

void OldDatabase::insert(const std::vector<Row>& rows) {
  for (const Row& row : rows) insert(row);
}

}  // namespace skarvik::testbed
