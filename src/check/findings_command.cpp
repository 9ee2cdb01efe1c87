#include "check/findings_command.h"

#include "check/report/escape.h"
#include "check/report/finding_listing.h"
#include "check/report/finding_lookup.h"

namespace skarvik::check {

int ShowFindings(const CheckOptions& options, std::ostream& out, std::ostream& err) {
  std::span<const FindingKind> kinds = FindingKinds();
  if (options.findingId) {
    const FindingKind* kind = FindingKindOf(*options.findingId);
    if (kind == nullptr) {
      err << "skarvik-check: no finding has the id \"" << Printable(*options.findingId)
          << "\"; skarvik-check findings lists them all\n";
      return kCheckCannotRun;
    }
    kinds = {kind, 1};
  }
  if (options.format == CheckOptions::Format::kJson) {
    WriteFindingsJson(kinds, out);
  } else {
    WriteFindingsText(kinds, out);
  }
  out.flush();
  return kCheckPassed;
}

}  // namespace skarvik::check
