// What differs between the platforms the program runs on, in one place:
// one small source file per platform implements it.
#pragma once

#include <cstdio>
#include <string>

namespace skarvik {

// The settings file, relative to the working directory two levels below the
// newer system's root.
extern const char kSettingsFile[];

// Puts the standard streams into binary mode where the platform has a text
// mode, so that the CR LF the program writes itself reaches the console
// unchanged and standard input arrives as it was typed or piped. Every main
// calls it first.
void UseBinaryStandardStreams();

// Whether stream is an interactive terminal or console.
bool IsTerminal(std::FILE* stream);

// Reads one line from standard input, which is a terminal, with echo
// switched off; the line break is not part of the line. False when the
// input ended first.
bool ReadLineWithoutEcho(std::string& line);

}  // namespace skarvik
