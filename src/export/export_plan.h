// The export plan: the five files the run writes, in the order it writes
// them, each with its name, the record word of its console messages, the
// queries that feed it, its writer, whether the special data source writes
// it, and the layouts of its lines.
//
// The run sequence writes the files from this table; skarvik-check reads
// the same table to forecast them, to compare them with the database and to
// name their fields, so that a file or a field is added in one place.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "db/query.h"
#include "db/session.h"
#include "export/line_layout.h"
#include "export/line_sink.h"

namespace skarvik {

enum class OnSpecialSource { kWritten, kNotWritten };

// Writes the lines of the files that share it, one sink per file in plan
// order.
using FileWriter = void (*)(Session& session, std::span<LineSink* const> sinks);

// A query of the plan, whatever record it fills.
struct PlannedQuery {
  QueryFacts (*facts)();
  // Opens the query for an empty key and reads its first row; a failure
  // goes to the session's log like any other.
  void (*tryOnce)(Session& session);
};

struct PlannedFile {
  const char* name;                       // in the working directory
  const char* recordWord;                 // names the file in the console messages
  std::span<const PlannedQuery> queries;  // the queries whose rows feed its lines
  FileWriter writer;                      // shared by the files it writes together
  OnSpecialSource special;
  std::string_view tables;  // the kind of table its lines head: "balance", "key"; "" for none
  std::span<const LineLayout* const> lines;  // its kinds of line, the one for any word last
};

// The five files, in the order the run writes them.
std::span<const PlannedFile> ExportPlan();

bool WrittenOn(const PlannedFile& file, const Session& session);

// The files each writer writes together, in plan order, as far as this
// session writes them.
std::vector<std::span<const PlannedFile>> WriterGroups(const Session& session);

// "Device.dat", or "SldKopf.dat and SldPos.dat".
std::string NamesOf(std::span<const PlannedFile> files);

// Every line of the files this session writes, in plan order, each into
// the sink sinkFor gives for its file; before runs ahead of each writer
// with the files that writer fills.
void WritePlannedLines(Session& session,
                       const std::function<LineSink&(const PlannedFile&)>& sinkFor,
                       const std::function<void(std::span<const PlannedFile>)>& before);

// Creates the files of group in the working directory, lets their writer
// fill them and closes them: true when every one was written and closed
// whole. A file that cannot be created stops the group there; the files
// created before it stay behind, empty.
bool ExportFiles(Session& session, std::span<const PlannedFile> group);

// The table the plan's queries of kind read.
std::string_view TableRead(CursorKind kind);

// The planned file of this name, or nullptr.
const PlannedFile* FindPlannedFile(std::string_view name);

// The layout of a line of file, judged by its first field.
const LineLayout& LayoutOf(const PlannedFile& file, std::string_view firstField);

// The key of a line: its key fields joined by ", " ("T1" or "T1, 3").
std::string KeyOfLine(const LineLayout& layout, std::span<const std::string_view> fields);

}  // namespace skarvik
