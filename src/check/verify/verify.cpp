#include "check/verify/verify.h"

#include <algorithm>
#include <deque>
#include <fstream>
#include <string>
#include <vector>

#include "base/text_stream.h"
#include "check/report/finding_kinds.h"
#include "check/report/finding_list.h"
#include "check/source/character_set.h"
#include "check/verify/comparing_sink.h"
#include "db/sql_text.h"
#include "export/export_plan.h"
#include "export/purge_rule.h"
#include "export/terminal_lines.h"

namespace skarvik::check {
namespace {

using enum FindingId;

// The sinks of the files this session writes, each beside its file as read.
struct Comparison {
  std::deque<std::ifstream> files;
  std::vector<ComparingSink> sinks;
  // By sink: the failed query that makes its file not compared, or "".
  std::vector<std::string> failedQuery;
};

std::string Summary(const ComparingSink& sink) {
  if (!sink.present()) return "missing";
  const FileCounts& c = sink.counts();
  return Format("%ld equal, %ld different, %ld missing, %ld extra", c.equal, c.different, c.missing,
                c.extra);
}

void OpenSinks(Session& session, FindingList& findings, Progress& progress, Comparison& c) {
  const bool purged = PurgesCommunicationTable(session);
  c.sinks.reserve(ExportPlan().size());
  for (const PlannedFile& file : ExportPlan()) {
    if (!WrittenOn(file, session)) continue;
    std::ifstream& in = c.files.emplace_back(file.name, std::ios::binary);
    const bool holdsTrm =
        std::find(file.lines.begin(), file.lines.end(), &kTrmLine) != file.lines.end();
    c.sinks.emplace_back(file, in.is_open() ? &in : nullptr, findings, purged && holdsTrm,
                         progress);
  }
  c.failedQuery.assign(c.sinks.size(), "");
}

// Whether a query of file logs its failures under tag.
bool FeedsFile(const PlannedFile& file, std::string_view tag) {
  return std::any_of(file.queries.begin(), file.queries.end(), [&](const PlannedQuery& query) {
    const CursorPolicy& policy = PolicyFor(query.facts().cursor);
    return policy.openTag == tag || policy.fetchTag == tag;
  });
}

bool InGroup(const PlannedFile& file, std::span<const PlannedFile> group) {
  return &file >= group.data() && &file < group.data() + group.size();
}

// The files of group that the failures since first leave not compared:
// those of the failed queries, or the whole group when none is theirs.
void MarkFailedFiles(std::span<const PlannedFile> group, const QueryFailures& failures,
                     std::size_t first, Comparison& c) {
  const std::vector<std::string> tags = failures.tagsSince(first);
  if (tags.empty()) return;
  bool anyMarked = false;
  for (std::size_t i = 0; i < c.sinks.size(); ++i) {
    if (!InGroup(c.sinks[i].file(), group)) continue;
    for (const std::string& tag : tags) {
      if (c.failedQuery[i].empty() && FeedsFile(c.sinks[i].file(), tag)) c.failedQuery[i] = tag;
    }
    anyMarked = anyMarked || !c.failedQuery[i].empty();
  }
  for (std::size_t i = 0; i < c.sinks.size() && !anyMarked; ++i) {
    if (InGroup(c.sinks[i].file(), group)) c.failedQuery[i] = tags.front();
  }
}

// Every line the exports would write, into one comparing sink per file;
// the files whose queries failed on the way are marked.
void WriteExpectedLines(Session& session, const QueryFailures& failures, Progress& progress,
                        Comparison& c) {
  std::span<const PlannedFile> current;
  std::size_t first = failures.count();
  WritePlannedLines(
      session,
      [&](const PlannedFile& file) -> LineSink& {
        return *std::find_if(c.sinks.begin(), c.sinks.end(),
                             [&](const ComparingSink& sink) { return &sink.file() == &file; });
      },
      [&](std::span<const PlannedFile> group) {
        MarkFailedFiles(current, failures, first, c);
        current = group;
        first = failures.count();
        progress.phase(NamesOf(group));
      });
  MarkFailedFiles(current, failures, first, c);
}

// One fact per file, and the findings of the files compared.
Section Summarize(Comparison& c, FindingList& findings) {
  Section section{.id = "files", .title = "Files compared with the database"};
  long notRebuilt = 0;
  for (std::size_t i = 0; i < c.sinks.size(); ++i) {
    ComparingSink& sink = c.sinks[i];
    const std::string name = sink.file().name;
    sink.finish();
    if (!c.failedQuery[i].empty()) {
      findings.drop(name);
      section.facts.push_back({name, "not compared: " + c.failedQuery[i] + " failed"});
      continue;
    }
    if (!sink.present()) {
      findings.add(MakeFinding(kVerifyMissingFile, {{"file", name}}), name, {.file = name});
    }
    section.facts.push_back({name, Summary(sink)});
    notRebuilt += sink.counts().notRebuilt;
  }
  findings.addCount(
      MakeFinding(kVerifyPurgedCommunication, {{"table", TableName(PurgedTable(), false)}}),
      notRebuilt);
  return section;
}

// A connection that converts texts would make every file look changed, or
// equal where it is not: no file is compared through it.
Section NotCompared(Session& session, Finding converted) {
  Section section{.id = "files", .title = "Files compared with the database"};
  for (const PlannedFile& file : ExportPlan()) {
    if (!WrittenOn(file, session)) continue;
    section.facts.push_back(
        {file.name, std::string("not compared: the data source converts texts")});
  }
  section.findings.push_back(std::move(converted));
  return section;
}

}  // namespace

Section RunVerify(Session& session, std::size_t maxExamples, const QueryFailures& failures,
                  Progress& progress) {
  if (Finding bytes = CharacterSetCheck(session); SeverityOf(bytes) != Severity::kInfo) {
    return NotCompared(session, std::move(bytes));
  }
  FindingList findings(maxExamples);
  Comparison c;
  OpenSinks(session, findings, progress, c);
  const std::size_t failuresBefore = failures.count();
  WriteExpectedLines(session, failures, progress, c);
  failures.report(failuresBefore, findings);
  Section section = Summarize(c, findings);
  section.findings = findings.take();
  return section;
}

}  // namespace skarvik::check
