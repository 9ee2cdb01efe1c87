#pragma once

#include "db/session.h"

namespace skarvik {

int ExportBalanceTables(Session& session);

}  // namespace skarvik
