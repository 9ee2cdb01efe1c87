#include "export/purge_rule.h"

#include "export/communication_parameters.h"

namespace skarvik {

bool PurgesCommunicationTable(bool specialSource, std::string_view dbSystem) {
  if (specialSource) return false;
  Text<sizeof(Login::dbSystem)> upper;
  upper.assign(dbSystem);
  StrUpper(upper.data());
  return upper == "MSSQL" || upper == "SQLSERVER";
}

bool PurgesCommunicationTable(const Session& session) {
  return PurgesCommunicationTable(session.specialSource(), session.dbSystem().view());
}

std::string_view PurgedTable() { return FactsOf(kCommunicationQuery).table; }

bool ReadsPurgedTable(std::span<const PlannedFile> group) {
  for (const PlannedFile& file : group) {
    for (const PlannedQuery& query : file.queries) {
      if (query.facts().table == PurgedTable()) return true;
    }
  }
  return false;
}

}  // namespace skarvik
