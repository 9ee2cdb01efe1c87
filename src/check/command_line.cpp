#include "check/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iterator>
#include <vector>

#include "check/report/console.h"
#include "check/report/finding_kinds.h"
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
    "and never runs the purge.";

constexpr char kExitStatus[] =
    "Exit status:\n"
    "  0  nothing at or above the --fail-on level\n"
    "  1  findings at or above it\n"
    "  2  the check could not run (command line, settings, connection)";

struct CommandHelp {
  const char* name;
  CheckOptions::Command command;
  const char* summary;  // its line in the program's help
  const char* details;  // more in its own help; {files} stands for the plan's files
};

constexpr CommandHelp kCommands[] = {
    {.name = "preflight",
     .command = CheckOptions::Command::kPreflight,
     .summary = "what the export will do to the data, before it runs",
     .details = "Reports where it runs, the source, the driver's fitness, the lines each file\n"
                "will get and the rows that will not become lines, the values that shift,\n"
                "split or are cut, and the purge; then the verdict line."},
    {.name = "verify",
     .command = CheckOptions::Command::kVerify,
     .summary = "compare the five files here with what an export would write now",
     .details = "Runs after skarvik: compares {files} in the working directory, line by line, "
                "with what an export would write from the database now, without writing a file."},
};

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

// text with each of its lines broken between words to fit the console.
std::string Wrapped(std::string_view text) {
  std::string wrapped;
  std::size_t lineStart = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find_first_of(" \n", at), text.size());
    const std::string_view word = text.substr(at, end - at);
    if (wrapped.size() > lineStart) {
      const bool fits = wrapped.size() - lineStart + 1 + word.size() <= kConsoleColumns;
      wrapped += fits ? " " : "\n";
      if (!fits) lineStart = wrapped.size();
    }
    wrapped.append(word);
    if (end < text.size() && text[end] == '\n') {
      wrapped += '\n';
      lineStart = wrapped.size();
    }
    at = end + 1;
  }
  return wrapped;
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

std::string Details(const CommandHelp& command) {
  return Wrapped(Fill(command.details, {{"files", FileList()}}));
}

// The words of the command line before they become CheckOptions.
struct Words {
  std::string format = "text";
  std::string failOn = "error";
};

// Every command takes the same options, and each has its own copy of them so
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

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                                   std::ostream& err) {
  CLI::App app{kDescription, kProgram};
  app.footer(kExitStatus);
  app.set_version_flag("--version", std::string(kProgram) + " " + kSkarvikVersion);
  app.require_subcommand(1);
  CheckOptions options;
  Words words;
  for (const CommandHelp& command : kCommands) {
    CLI::App* subcommand = app.add_subcommand(command.name, command.summary);
    subcommand->footer(Details(command) + "\n\n" + kExitStatus);
    subcommand->final_callback([&options, &command] { options.command = command.command; });
    AddCheckOptions(*subcommand, options, words);
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error, out, err);
    return {.exitCode = code == 0 ? kCheckPassed : kCheckCannotRun};
  }
  options.format = ValueOf(kFormats, words.format);
  options.failOn = ValueOf(kFailOnLevels, words.failOn);
  return {.options = options};
}

}  // namespace skarvik::check
