#include "check/verify.h"

#include <algorithm>
#include <deque>
#include <fstream>
#include <string>
#include <vector>

#include "base/text_stream.h"
#include "check/comparing_sink.h"
#include "check/database_facts.h"
#include "check/finding_kinds.h"
#include "check/finding_list.h"
#include "export/export_plan.h"
#include "export/terminal_lines.h"

namespace skarvik::check {
namespace {

using enum FindingId;

std::string Summary(const ComparingSink& sink) {
  if (!sink.present()) return "missing";
  const FileCounts& c = sink.counts();
  return Format("%ld equal, %ld different, %ld missing, %ld extra", c.equal, c.different, c.missing,
                c.extra);
}

// Every line the exports would write, into one comparing sink per file.
void WriteExpectedLines(Session& session, std::span<ComparingSink> sinks, Progress& progress) {
  WritePlannedLines(
      session,
      [&](const PlannedFile& file) -> LineSink& {
        return *std::find_if(sinks.begin(), sinks.end(),
                             [&](const ComparingSink& sink) { return &sink.file() == &file; });
      },
      [&](std::span<const PlannedFile> group) { progress.phase(NamesOf(group)); });
}

}  // namespace

Section RunVerify(Session& session, std::size_t maxExamples, bool purged, Progress& progress) {
  FindingList findings(maxExamples);
  std::deque<std::ifstream> files;
  std::vector<ComparingSink> sinks;
  sinks.reserve(ExportPlan().size());
  for (const PlannedFile& file : ExportPlan()) {
    if (!WrittenOn(file, session)) continue;
    std::ifstream& in = files.emplace_back(file.name, std::ios::binary);
    const bool holdsTrm =
        std::find(file.lines.begin(), file.lines.end(), &kTrmLine) != file.lines.end();
    sinks.emplace_back(file, in.is_open() ? &in : nullptr, findings, purged && holdsTrm, progress);
  }
  WriteExpectedLines(session, sinks, progress);

  Section section{.id = "files", .title = "Files compared with the database"};
  long notRebuilt = 0;
  for (ComparingSink& sink : sinks) {
    sink.finish();
    if (!sink.present()) {
      findings.add(MakeFinding(kVerifyMissingFile, {{"file", sink.file().name}}), sink.file().name,
                   {.file = sink.file().name});
    }
    section.facts.push_back({sink.file().name, Summary(sink)});
    notRebuilt += sink.counts().notRebuilt;
  }
  findings.addCount(MakeFinding(kVerifyPurgedCommunication,
                                {{"table", TableName(TableRead(CursorKind::kComParm), false)}}),
                    notRebuilt);
  section.findings = findings.take();
  return section;
}

}  // namespace skarvik::check
