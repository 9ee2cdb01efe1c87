// Lookups that found nothing, and the key their table holds under another
// spelling: in other letter case, or with blanks at its end. A database
// that compares exactly finds nothing for such a key, and the report would
// say only that nothing was found.
//
// The keys missed are held until the export has run; then each looked-up
// table's keys are read once, not queried miss by miss.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "check/report/finding_list.h"
#include "db/query.h"
#include "db/session.h"

namespace skarvik::check {

// The key as a database that ignores letter case and trailing blanks sees
// it. Only ASCII letters have a case here, as in the old system's own
// comparisons.
std::string FoldedKey(std::string_view key);

class NearMisses {
 public:
  // The lookup found nothing for key.
  void missed(const QueryFacts& lookup, std::string key);
  // One finding per miss whose key the table holds under another spelling.
  void report(Session& session, FindingList& findings);

 private:
  struct Misses {
    QueryFacts lookup;
    std::vector<std::string> keys;
  };
  std::vector<Misses> misses_;  // one per lookup that missed
};

}  // namespace skarvik::check
