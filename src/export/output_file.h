// One output file of the export, written in the one line format of the
// files (line_format.h). The file is named after its record word in the
// messages the administrator sees when it cannot be created or written.
#pragma once

#include <string>

#include "base/text_stream.h"
#include "export/line_sink.h"

namespace skarvik {

class OutputFile : public LineSink {
 public:
  // Creates (or empties) path in the working directory; on failure the
  // console says so with the record word and isOpen() is false.
  OutputFile(const char* path, const char* recordWord);

  bool isOpen() const { return stream_.isOpen(); }
  void writeFields(std::span<const std::string_view> fields) override;
  // Closes the file; false, with a console message, when any byte did not
  // reach it (a full disk), or when it was never created.
  bool finish();

 private:
  TextStream stream_;
  const char* recordWord_;
  std::string line_;  // reused for every line
};

}  // namespace skarvik
