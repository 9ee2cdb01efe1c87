// The text shown when the command line is wrong.
#pragma once

namespace skarvik {

// Banner, usage text and "Parameterfehler" (without a line feed).
void PrintUsage();

}  // namespace skarvik
