// skarvik-check: what the migration will do to the data, before it runs and
// after.
#include <iostream>

#include "base/platform.h"
#include "check/check_run.h"
#include "check/command_line.h"
#include "check/findings_command.h"

int main(int argc, char** argv) {
  skarvik::UseBinaryStandardStreams();
  const skarvik::check::ParsedCommandLine parsed =
      skarvik::check::ParseCommandLine(argc, argv, std::cout, std::cerr);
  if (!parsed.options) return parsed.exitCode;
  if (parsed.options->command == skarvik::check::CheckOptions::Command::kRepair) {
    return skarvik::check::RunRepairCheck(*parsed.options, std::cout, std::cerr);
  }
  if (parsed.options->command == skarvik::check::CheckOptions::Command::kFindings) {
    return skarvik::check::ShowFindings(*parsed.options, std::cout, std::cerr);
  }
  return skarvik::check::RunCheck(*parsed.options, std::cout);
}
