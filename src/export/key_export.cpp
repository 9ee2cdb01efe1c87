#include "export/key_export.h"

namespace skarvik {

int ExportKeyTables(Session&) { return 0; }

}  // namespace skarvik
