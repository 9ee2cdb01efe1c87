#include "export/output_file.h"

namespace skarvik {

OutputFile::OutputFile(const char* path, const char* recordWord)
    : stream_(path, TextStream::Mode::kTruncate), recordWord_(recordWord) {
  if (!stream_.isOpen()) {
    ConsolePrint(Format("Erzeugen der Tempor\xE4rdatei (%s) fehlgeschlagen\n", recordWord_));
  }
}

void OutputFile::writeLine(std::initializer_list<std::string_view> fields) {
  for (const std::string_view field : fields) {
    stream_.write(field);
    stream_.write(",");
  }
  stream_.write("\n");
}

bool OutputFile::finish() {
  if (!stream_.isOpen()) return false;
  if (stream_.close()) return true;
  ConsolePrint(Format("Schreiben der Tempor\xE4rdatei (%s) fehlgeschlagen\n", recordWord_));
  return false;
}

}  // namespace skarvik
