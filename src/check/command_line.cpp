#include "check/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iterator>
#include <vector>

#include "check/report/console.h"
#include "export/export_plan.h"
#include "skarvik_version.h"

namespace skarvik::check {

namespace {

constexpr char kProgram[] = "skarvik-check";

// A cap of examples per finding; the examples are all the report keeps in
// memory, whatever the number of rows.
constexpr int kMaxExamples = 1000;

constexpr char kDescription[] =
    "Shows what skarvik will do to the data of an old Velkora database before it\n"
    "runs, and proves afterwards what it wrote. Run it from skarvik's working\n"
    "directory (two levels below the newer system's root) with the same data\n"
    "source and settings file. It only reads: it never writes to the database\n"
    "and never runs the purge, with one exception: repair --apply, which runs\n"
    "the UPDATE statements of a script you reviewed, in one transaction.";

constexpr char kExitStatus[] =
    "Exit status:\n"
    "  0  nothing at or above the --fail-on level\n"
    "  1  findings at or above it\n"
    "  2  the check could not run (command line, settings, connection)";

constexpr char kProgramExitStatus[] =
    "Exit status:\n"
    "  0  nothing at or above the --fail-on level; findings: listed\n"
    "  1  findings at or above it\n"
    "  2  the check could not run (command line, settings, connection), or\n"
    "     findings was given an id that no finding has";

constexpr char kRepairExitStatus[] =
    "Exit status:\n"
    "  0  the script is written; with --apply, nothing at or above the --fail-on\n"
    "     level in preflight's report on the database afterwards\n"
    "  1  with --apply, findings at or above it afterwards\n"
    "  2  no script, or nothing applied (command line, settings, connection,\n"
    "     a database changed since the script, a statement refused)";

constexpr char kFindingsExitStatus[] =
    "Exit status:\n"
    "  0  listed\n"
    "  2  no finding has the id, or a wrong command line";

template <typename T>
struct Named {
  const char* name;
  T value;
};

constexpr Named<CheckOptions::Format> kFormats[] = {
    {"text", CheckOptions::Format::kText},
    {"json", CheckOptions::Format::kJson},
};

constexpr Named<Severity> kFailOnLevels[] = {
    {"blocker", Severity::kBlocker},
    {"error", Severity::kError},
    {"warning", Severity::kWarning},
};

template <typename T, std::size_t kCount>
std::vector<std::string> ChoicesOf(const Named<T> (&table)[kCount]) {
  std::vector<std::string> names;
  for (const Named<T>& entry : table) names.push_back(entry.name);
  return names;
}

// The name has been checked against the table (and brought to its letter
// case) while parsing, so the first entry is never taken for a wrong one.
template <typename T, std::size_t kCount>
T ValueOf(const Named<T> (&table)[kCount], const std::string& name) {
  const auto found = std::find_if(std::begin(table), std::end(table),
                                  [&name](const Named<T>& entry) { return name == entry.name; });
  return found != std::end(table) ? found->value : table[0].value;
}

// A word of a table, in any letter case.
template <typename T, std::size_t kCount>
CLI::Option* AddChoice(CLI::App& command, const char* flag, std::string& name,
                       const Named<T> (&table)[kCount], const char* help) {
  const std::vector<std::string> names = ChoicesOf(table);
  std::string typeName;
  for (const std::string& entry : names) typeName += (typeName.empty() ? "" : "|") + entry;
  return command.add_option(flag, name, help)
      ->transform(CLI::IsMember(names, CLI::ignore_case).description(""))
      ->type_name(typeName);
}

// "Device.dat, SldKopf.dat and TstPos.dat"
std::string FileList() {
  std::string list;
  const std::span<const PlannedFile> plan = ExportPlan();
  for (std::size_t i = 0; i < plan.size(); ++i) {
    list.append(i == 0 ? "" : i + 1 == plan.size() ? " and " : ", ").append(plan[i].name);
  }
  return list;
}

// The words of the command line before they become CheckOptions.
struct Words {
  std::string format = "text";
  std::string failOn = "error";
  std::string comma = ";";
};

// The two checks take the same options, and each has its own copy of them so
// that its --help lists them.
void AddCheckOptions(CLI::App& command, CheckOptions& options, Words& words) {
  command.add_option("Odbc-Quelle", options.dataSource, "the ODBC data source, as for skarvik")
      ->required()
      ->type_name("");
  AddChoice(command, "--format", words.format, kFormats, "text (the default) or json");
  command.add_flag("--quiet", options.quiet, "only blockers, errors and the verdict line");
  AddChoice(command, "--fail-on", words.failOn, kFailOnLevels,
            "the lowest severity that exits 1 (default error)");
  command.add_option("--examples", options.examples, "examples per finding, 0 to 1000 (default 5)")
      ->check(CLI::Range(0, kMaxExamples).description(""))
      ->type_name("N");
}

// One printable ASCII byte that is not a comma: what stands in a value
// instead of each of its commas.
std::string CommaReplacement(const std::string& text) {
  const bool printable = text.size() == 1 && text[0] >= 0x20 && text[0] <= 0x7E;
  if (!printable || text == ",") return "must be one printable ASCII character other than ,";
  return "";
}

void AddRepairOptions(CLI::App& command, CheckOptions& options, Words& words) {
  AddCheckOptions(command, options, words);
  command.add_option("--output", options.output, "the file the script is written to")
      ->type_name("FILE");
  CLI::Option* apply =
      command.add_option("--apply", options.applyFile, "apply this reviewed script")
          ->type_name("FILE");
  command.add_flag("--yes", options.yes, "apply without asking")->needs(apply);
  command.add_option("--comma", words.comma, "what a comma in a value becomes (default ;)")
      ->check(CLI::Validator(CommaReplacement, "", ""))
      ->type_name("TEXT");
}

void AddFindingsOptions(CLI::App& command, CheckOptions& options, Words& words) {
  command
      .add_option_function<std::string>(
          "ID", [&options](const std::string& id) { options.findingId = id; },
          "a finding's id, as a report shows it or as listed")
      ->type_name("");
  AddChoice(command, "--format", words.format, kFormats, "text (the default) or json");
}

struct CommandHelp {
  const char* name;
  CheckOptions::Command command;
  void (*addOptions)(CLI::App& command, CheckOptions& options, Words& words);
  const char* summary;     // its line in the program's help
  const char* details;     // more in its own help; {files} stands for the plan's files
  const char* exitStatus;  // the end of its own help
};

constexpr CommandHelp kCommands[] = {
    {.name = "preflight",
     .command = CheckOptions::Command::kPreflight,
     .addOptions = AddCheckOptions,
     .summary = "what the export will do to the data, before it runs",
     .details = "Reports where it runs, the source, the driver's fitness, the lines each file\n"
                "will get and the rows that will not become lines, the values that shift,\n"
                "split or are cut, and the purge; then the verdict line.",
     .exitStatus = kExitStatus},
    {.name = "verify",
     .command = CheckOptions::Command::kVerify,
     .addOptions = AddCheckOptions,
     .summary = "compare the five files here with what an export would write now",
     .details = "Runs after skarvik: compares {files} in the working directory, line by line, "
                "with what an export would write from the database now, without writing a file.",
     .exitStatus = kExitStatus},
    {.name = "repair",
     .command = CheckOptions::Command::kRepair,
     .addOptions = AddRepairOptions,
     .summary = "a SQL script that mends what the import would misread",
     .details = "Plans one change per row: commas, line breaks, Windows-1252 and UTF-8 bytes, "
                "blanks at the end of a key, keys spelt otherwise than the rows that refer to "
                "them; a key is renamed with every row that refers to it. Without --apply "
                "nothing is changed: the script goes to --output FILE or standard output, a "
                "summary to standard error. --apply FILE plans again and runs the reviewed "
                "script's statements in one transaction, only when they are still the plan's; "
                "it asks first, unless --yes. Afterwards it shows preflight's report.",
     .exitStatus = kRepairExitStatus},
    {.name = "findings",
     .command = CheckOptions::Command::kFindings,
     .addOptions = AddFindingsOptions,
     .summary = "what each finding id of a report means",
     .details = "Lists every finding a report can hold: its id, the severity it counts with, "
                "its title and what it means; with ID, only that one. ID is taken as a report "
                "shows it (driver.table.Vks114Tsm.assignment) or as listed "
                "(driver.table.{table}.assignment). Connects to nothing.",
     .exitStatus = kFindingsExitStatus},
};

// The command's details and exit status, below its options in its help. Only
// {files} is filled in: the findings' details show an id with its {table}.
std::string Footer(const CommandHelp& command) {
  std::string details = command.details;
  constexpr std::string_view kFiles = "{files}";
  if (const std::size_t at = details.find(kFiles); at != std::string::npos)
    details.replace(at, kFiles.size(), FileList());
  return Wrapped(details) + "\n\n" + command.exitStatus;
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                                   std::ostream& err) {
  CLI::App app{kDescription, kProgram};
  app.footer(kProgramExitStatus);
  app.set_version_flag("--version", std::string(kProgram) + " " + kSkarvikVersion);
  app.require_subcommand(1);
  CheckOptions options;
  Words words;
  for (const CommandHelp& command : kCommands) {
    CLI::App* subcommand = app.add_subcommand(command.name, command.summary);
    subcommand->footer(Footer(command));
    subcommand->final_callback([&options, &command] { options.command = command.command; });
    command.addOptions(*subcommand, options, words);
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error, out, err);
    return {.exitCode = code == 0 ? kCheckPassed : kCheckCannotRun};
  }
  options.format = ValueOf(kFormats, words.format);
  options.failOn = ValueOf(kFailOnLevels, words.failOn);
  options.comma = words.comma.front();
  const bool scriptNowhere = options.command == CheckOptions::Command::kRepair &&
                             options.format == CheckOptions::Format::kJson &&
                             options.output.empty() && options.applyFile.empty();
  if (scriptNowhere) {
    err << kProgram << " repair: --format json needs --output FILE for the script\n";
    return {.exitCode = kCheckCannotRun};
  }
  return {.options = options};
}

}  // namespace skarvik::check
