#pragma once

#include "platform/ProcessFacts.h"

#include <set>
#include <string>

// Another user, host and process, with the processes said to run.
class TFakeProcessFacts : public IProcessFacts {
public:
    std::string User = "me";
    std::string Host = "here";
    int64_t Pid = 100;
    int64_t Time = 1000000;
    std::set<int64_t> Running{100};

    std::string UserName() override { return User; }
    std::string HostName() override { return Host; }
    int64_t ProcessId() override { return Pid; }
    int64_t Now() override { return Time; }
    bool IsRunning(int64_t pid) override { return Running.count(pid) > 0; }
};
