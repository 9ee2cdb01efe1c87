#include "export/balance_export.h"

namespace skarvik {

int ExportBalanceTables(Session&) { return 0; }

}  // namespace skarvik
