#include "base/platform.h"
#include "run/run_sequence.h"

int main(int argc, char* argv[]) {
  skarvik::UseBinaryStandardStreams();
  return skarvik::RunSkarvik(argc, argv);
}
