#include "check/preflight/record_checks.h"

#include <vector>

#include "check/report/finding_kinds.h"
#include "export/model_codes.h"

namespace skarvik::check {
namespace {

using enum FindingId;

// "TrmNam", or "ZlsTrm, ZlsLes".
std::string KeyNames(const LineLayout& layout) {
  std::string names;
  for (const std::size_t i : layout.indexesOf(FieldRole::kKey)) {
    names.append(names.empty() ? "" : ", ").append(layout.fields[i].name);
  }
  return names;
}

}  // namespace

void RecordChecks::lineWritten(const PlannedFile& file, const LineLayout& layout, long line,
                               std::span<const std::string_view> fields,
                               std::string_view storedModel) {
  checkModel(file, layout, line, fields, storedModel);
  const auto [at, added] = kinds_.try_emplace(&layout);
  Kind& kind = at->second;
  if (added) kind.keyFields = layout.indexesOf(FieldRole::kKey);
  const long earlier = earlierLine(kind, line, fields);
  if (earlier == 0) return;
  const std::string names = KeyNames(layout);
  findings_.add(MakeFinding(kRepeatedKey, {{"file", file.name}, {"key", names}}), names,
                {.file = file.name,
                 .line = line,
                 .key = KeyOfLine(layout, fields),
                 .effect = "first at line " + std::to_string(earlier)});
}

void RecordChecks::checkModel(const PlannedFile& file, const LineLayout& layout, long line,
                              std::span<const std::string_view> fields,
                              std::string_view storedModel) {
  const std::optional<std::size_t> model = layout.indexOf(FieldRole::kModel);
  if (!model || *model >= fields.size() || fields[*model] != skarvik::kUnknownModel) return;
  findings_.add(MakeFinding(kUnknownModel, {{"file", file.name}}), file.name,
                {.file = file.name,
                 .line = line,
                 .key = KeyOfLine(layout, fields),
                 .column = std::string(layout.fields[*model].name),
                 .value = std::string(storedModel),
                 .effect = "written as " + std::string(skarvik::kUnknownModel)});
}

long RecordChecks::earlierLine(Kind& kind, long line, std::span<const std::string_view> fields) {
  const std::vector<std::size_t>& keys = kind.keyFields;
  if (keys.empty() || keys.back() >= fields.size()) return 0;
  if (keys.size() == 1) {
    const auto [at, added] = kind.firstLines.try_emplace(std::string(fields[keys[0]]), line);
    return added ? 0 : at->second;
  }
  return earlierInBlock(kind, fields[keys[0]], fields[keys[1]], line);
}

// A block repeated as a whole stands where it stood before, line for line.
long RecordChecks::earlierInBlock(Kind& kind, std::string_view block, std::string_view key,
                                  long line) {
  if (!kind.blockOpen || kind.block != block) {
    kind.block = block;
    kind.blockOpen = true;
    kind.indexInBlock = 0;
    kind.inBlock.clear();
    const auto [at, added] = kind.firstLines.try_emplace(kind.block, line);
    kind.earlierBlock = added ? 0 : at->second;
  }
  const long index = kind.indexInBlock++;
  const auto [at, added] = kind.inBlock.try_emplace(std::string(key), line);
  if (!added) return at->second;
  return kind.earlierBlock == 0 ? 0 : kind.earlierBlock + index;
}

}  // namespace skarvik::check
