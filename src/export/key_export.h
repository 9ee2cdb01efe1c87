#pragma once

#include "db/session.h"

namespace skarvik {

int ExportKeyTables(Session& session);

}  // namespace skarvik
