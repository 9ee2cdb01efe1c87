#include "check/line_formats.h"

namespace skarvik::check {
namespace {

constexpr std::string_view kTrm[] = {
    "TRM",    "TrmNam", "TrmTas", "TrmSal", "TrmUpl",      "TrmDnl", "TrmSpr", "TrmDtm",
    "TrmApp", "TrmLog", "TrmPra", "TrmSyn", "TrmTon",      "TrmDau", "TrmLst", "TrmHst",
    "TrmAlf", "TrmSto", "TrmTxt", "TrmKtx", "TrmSta",      "TrmErf", "TrmInt", "TrmMod",
    "TrmFnk", "TrmDis", "ComTwx", "ComPor", "ComSch",      "ComSto", "ComIpa", "ComSub",
    "ComGat", "ComShs", "ComTmp", "ComEvp", "dial number", "ComLer", "ComDwl", "ComGid",
};
constexpr std::string_view kReader[] = {
    "reader kind", "ZlsTrm", "ZlsLes", "ZlsZko", "ZlsAus", "ZlsTfr", "ZlsTvr",
    "ZlsEin",      "ZlsAdr", "ZlsTxt", "ZlsKtx", "ZlsSta", "ZlsErf",
};
constexpr std::string_view kBalanceHeader[] = {"TslNam", "model",  "TslDau", "TslTxt",
                                               "TslSta", "TslDat", "TslErf"};
constexpr std::string_view kBalancePosition[] = {"TsaSal",  "TsaLfd", "TsaAnz", "TsaAus",
                                                 "TsaSta",  "TsaDat", "TsaErf", "TsaSpl",
                                                 "reserve", "reserve"};
constexpr std::string_view kKeyHeader[] = {"TttNam", "TttTxt", "TttKtx",      "TttSta",
                                           "TttErf", "TttArt", "TttTas",      "TttTtp",
                                           "empty",  "TttNam", "model value", "TttDat"};
constexpr std::string_view kKeyPosition[] = {
    "TtaNum", "model",  "TtaMnu", "TtaTas", "TtaBch", "TtaPos", "TtaTxt", "TtaDnc", "TtaFtp",
    "TtaDat", "TtaErf", "TtaF01", "TtaF02", "TtaF03", "TtaF04", "TtaF05", "TtaF06", "TtaF07",
    "TtaF08", "TtaF09", "TtaF10", "TtaF11", "TtaF12", "TtaFcd", "TtaAps", "TtaTav",
};

constexpr int kSecond[] = {1};
constexpr int kSecondAndThird[] = {1, 2};
constexpr int kFirst[] = {0};
constexpr int kFirstAndSecond[] = {0, 1};
constexpr int kFirstAndSixth[] = {0, 5};

constexpr LineFormat kFormats[] = {
    {.file = "Device.dat", .firstField = "TRM", .fields = kTrm, .keyFields = kSecond},
    {.file = "Device.dat", .firstField = "", .fields = kReader, .keyFields = kSecondAndThird},
    {.file = "SldKopf.dat", .fields = kBalanceHeader, .keyFields = kFirst},
    {.file = "SldPos.dat", .fields = kBalancePosition, .keyFields = kFirstAndSecond},
    {.file = "TstKopf.dat", .fields = kKeyHeader, .keyFields = kFirst},
    {.file = "TstPos.dat", .fields = kKeyPosition, .keyFields = kFirstAndSixth},
};

}  // namespace

std::span<const LineFormat> FormatsOf(std::string_view file) {
  std::size_t first = 0;
  while (first < std::size(kFormats) && kFormats[first].file != file) ++first;
  std::size_t end = first;
  while (end < std::size(kFormats) && kFormats[end].file == file) ++end;
  return std::span(kFormats).subspan(first, end - first);
}

const LineFormat& FormatOf(std::string_view file, std::string_view firstField) {
  const std::span<const LineFormat> formats = FormatsOf(file);
  for (const LineFormat& format : formats) {
    if (format.firstField.empty() || format.firstField == firstField) return format;
  }
  return formats.front();
}

std::string KeyOf(const LineFormat& format, std::span<const std::string_view> fields) {
  std::string key;
  for (const int index : format.keyFields) {
    if (static_cast<std::size_t>(index) >= fields.size()) break;
    if (!key.empty()) key += ", ";
    key.append(fields[index]);
  }
  return key;
}

std::string KeyOfLine(std::string_view file, std::span<const std::string_view> fields) {
  return KeyOf(FormatOf(file, fields.empty() ? "" : fields[0]), fields);
}

}  // namespace skarvik::check
