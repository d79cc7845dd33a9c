#pragma once

#include <cstring>
#include <fstream>
#include <string>

// A field of this process's /proc status in KiB ("VmRSS:", "VmHWM:"), or -1.
inline long StatusKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::strlen(field)));
    return -1;
}
