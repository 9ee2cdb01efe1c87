// What the balance-table and the key-table export share: a header table
// with positions. Each writes a pair of files, one header line per table in
// the first and the table's positions in the second; each asks the
// terminal-type table whether a type names the table, and leaves out, with
// a log line, the tables that no type uses. A TablePairExport describes one
// such export; WriteTablePair runs it.
#pragma once

#include <string_view>

#include "base/log_sink.h"
#include "base/text.h"
#include "db/cursor.h"
#include "db/session.h"
#include "export/line_layout.h"
#include "export/terminal_assignment.h"

namespace skarvik {

template <class Header, class Position>
struct TablePairExport {
  const Query<Header>& headers;      // every table
  const Query<Position>& positions;  // the positions of one table, by its name
  AssignedBy assignedBy;             // the type-table column that names a table
  const char* skipWord;              // "Saldotab." or "Tasttab." in the skip line
  Text<11> Header::*name;            // the table's name
  // Brings a used table's header into the newer system's form; model is
  // that of the first terminal type naming the table.
  void (*prepareHeader)(Header& header, const ModelString& model);
  const LineLayout& headerLine;
  // Brings one position into the newer system's form and writes it; header
  // is its table's, as written.
  void (*writePosition)(LineSink& sink, Position& position, const Header& header);
};

// "Saldotab. NAME : keinem Terminal zugeordnet -> nicht übernehmen."
void LogUnassignedTable(LogSink& log, const char* skipWord, std::string_view name);

template <class Header, class Position>
void WriteTablePair(Session& session, const TablePairExport<Header, Position>& pair,
                    LineSink& headerSink, LineSink& positionSink) {
  Cursor<Header> headers(session, pair.headers);
  Cursor<Position> positions(session, pair.positions);
  for (Header& header : headers.rows()) {
    const std::string_view name = (header.*pair.name).view();
    const std::optional<ModelString> model = SQL_GetTerm(session, name, pair.assignedBy);
    if (!model) {
      LogUnassignedTable(session.log(), pair.skipWord, name);
      continue;
    }
    pair.prepareHeader(header, *model);
    WriteLine(headerSink, pair.headerLine, header);
    for (Position& position : positions.rows(name)) {
      pair.writePosition(positionSink, position, header);
    }
  }
}

}  // namespace skarvik
