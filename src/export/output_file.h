// One output file of the export, and its one line format.
//
// Every line of every output file is a sequence of fields each followed by a
// comma, the last one included, with no quoting and no escaping, ended by
// CR LF. The file is named after its record word in the messages the
// administrator sees when it cannot be created or written.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "run/text_stream.h"

namespace skarvik {

inline constexpr int kOutputFileFailed = 90;

class OutputFile {
 public:
  // Creates (or empties) path in the working directory; on failure the
  // console says so with the record word and isOpen() is false.
  OutputFile(const char* path, const char* recordWord);

  bool isOpen() const { return stream_.isOpen(); }
  void writeLine(std::initializer_list<std::string_view> fields);
  // Closes the file; false, with a console message, when any byte did not
  // reach it (a full disk).
  bool finish();

 private:
  TextStream stream_;
  const char* recordWord_;
  std::string line_;  // reused for every line
};

}  // namespace skarvik
