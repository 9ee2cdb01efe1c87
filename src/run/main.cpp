#include "run/run_sequence.h"

int main(int argc, char* argv[]) { return skarvik::RunSkarvik(argc, argv); }
