#pragma once

// The program's name and version, as the window caption and --version give them.
constexpr const char* kProgramName = "Korvalen";
constexpr const char* kProgramVersion = "0.14";
