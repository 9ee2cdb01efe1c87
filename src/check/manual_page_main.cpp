// A tool of the build, not installed: writes skarvik-check's manual page
// from its template, the line @FINDINGS@ replaced by the entries of every
// kind of finding. They come from the table the program reports from, so
// the page lists exactly the ids a report can hold.
//
//   check_manual_page TEMPLATE PAGE
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "check/report/finding_listing.h"

namespace {

constexpr char kMarker[] = "@FINDINGS@";

// Whether the marker was found; the page is written whole either way.
bool WritePage(std::istream& in, std::ostream& out) {
  bool listed = false;
  for (std::string line; std::getline(in, line);) {
    if (line == kMarker) {
      skarvik::check::WriteFindingsManual(skarvik::check::FindingKinds(), out);
      listed = true;
    } else {
      out << line << '\n';
    }
  }
  return listed;
}

int Fail(const char* what, const char* path) {
  std::cerr << "check_manual_page: " << what << ' ' << path << '\n';
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: check_manual_page TEMPLATE PAGE\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) return Fail("cannot read", argv[1]);
  std::ofstream out(argv[2], std::ios::binary);
  const bool listed = WritePage(in, out);
  out.close();
  if (listed && out) return 0;
  // A page without its list must not stand in the build as if it were done.
  std::remove(argv[2]);
  return Fail(listed ? "cannot write" : "no line @FINDINGS@ in", listed ? argv[2] : argv[1]);
}
