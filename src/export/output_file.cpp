#include "export/output_file.h"

#include "export/line_format.h"

namespace skarvik {

OutputFile::OutputFile(const char* path, const char* recordWord)
    : stream_(path, TextStream::Mode::kTruncate), recordWord_(recordWord) {
  if (!stream_.isOpen()) {
    ConsolePrint(Format("Erzeugen der Tempor\xE4rdatei (%s) fehlgeschlagen\n", recordWord_));
  }
}

void OutputFile::writeFields(std::span<const std::string_view> fields) {
  line_.clear();
  AppendFields(line_, fields);
  line_ += '\n';
  stream_.write(line_);
}

bool OutputFile::finish() {
  if (!stream_.isOpen()) return false;
  if (stream_.close()) return true;
  ConsolePrint(Format("Schreiben der Tempor\xE4rdatei (%s) fehlgeschlagen\n", recordWord_));
  return false;
}

}  // namespace skarvik
