// The SQL texts of the tool as its run log shows them, written out here
// once for every test that expects a failure line.
#pragma once

#include <string>

namespace skarvik::testbed {

inline const std::string kTerminalSql =
    "SELECT  TrmNam, TrmInt, TrmMod, TrmTas, TrmSal,  TrmUpl, TrmDnl, TrmSpr, TrmDtm, TrmApp,  "
    "TrmLog, TrmPra, TrmSyn, TrmFnk, TrmDis,  TrmTon, TrmDau, TrmLst, TrmHst, TrmAlf,  TrmSto, "
    "TrmTxt, TrmKtx, TrmSta, TrmErf FROM  VKSYSTEM.Vks1140Trm";
inline const std::string kTypeSql =
    "SELECT  TsmNam, TsmTyp, TsmTas, TsmSal,  TsmUpl, TsmDnl, TsmSpr, TsmTxt,  TsmKtx, TsmKsw, "
    "TsmSta, TsmErf FROM  VKSYSTEM.Vks114Tsm";
inline const std::string kBalanceHeaderSql =
    "SELECT  TslNam, TslDau, TslTxt,  TslSta, TslDat, TslErf  FROM  VKSYSTEM.O2101SalTab";
inline const std::string kKeyHeaderSql =
    "SELECT  TttNam, TttTxt, TttKtx,  TttSta, TttErf, TttDat,  TttArt, TttTas, TttTtp FROM  "
    "VKSYSTEM.O2100TastTab";
inline std::string ComSql(const std::string& name) {
  return "SELECT  ComIpa, ComGat, ComShs, ComEvp,  ComTmp, ComSub, ComTwx, ComPor,  ComSch, "
         "ComSto, ComLkn, ComVor,  ComTel, ComDwl, ComGid, ComLer  FROM  VKSYSTEM.Vks1140Com  "
         "WHERE  ComNam = '" +
         name + "'";
}
inline std::string ReaderSql(const std::string& terminal) {
  return "SELECT  ZlsTrm, ZlsLes, ZlsZko, ZlsAus, ZlsTfr,  ZlsTvr, ZlsEin, ZlsAdr, ZlsTxt, "
         "ZlsKtx,  ZlsSta, ZlsErf FROM  VKSYSTEM.Vks401Zls  WHERE  ZlsTrm = '" +
         terminal + "'";
}
inline std::string AssignmentSql(const std::string& column, const std::string& table) {
  return "SELECT  TsmTyp  FROM  VKSYSTEM.Vks114Tsm WHERE  " + column + " = '" + table + "'";
}
inline std::string BalancePositionSql(const std::string& table) {
  return "SELECT  TsaSal, TsaLfd, TsaAnz,  TsaAus, TsaSta, TsaErf,  TsaDat, TsaSpl FROM  "
         "VKSYSTEM.G2101SalLst WHERE  TsaSal = '" +
         table + "'";
}
inline std::string KeyPositionSql(const std::string& table) {
  return "SELECT  TtaNum, TtaTyp, TtaMnu, TtaTas,  TtaBch, TtaPos, TtaTxt, TtaDnc,  TtaFtp, "
         "TtaDat, TtaErf, TtaF01,  TtaF02, TtaF03, TtaF04, TtaF05,  TtaF06, TtaF07, TtaF08, "
         "TtaF09,  TtaF10, TtaF11, TtaF12, TtaFcd,  TtaAps, TtaTav FROM  VKSYSTEM.O2108Tta "
         "WHERE  TtaNum = '" +
         table + "'";
}

}  // namespace skarvik::testbed
