#pragma once

#include <cstdint>
#include <string>

// Who and where the running program is, and whether another process still
// runs: what a list lock records and checks. Tests put a fake in place.
class IProcessFacts {
public:
    virtual ~IProcessFacts() = default;
    virtual std::string UserName() = 0;
    virtual std::string HostName() = 0;
    virtual int64_t ProcessId() = 0;
    // Seconds since 1970.
    virtual int64_t Now() = 0;
    // Whether process `pid` of this host still runs.
    virtual bool IsRunning(int64_t pid) = 0;
};

// The facts in use: the real ones unless a test has put others in place.
IProcessFacts& ProcessFacts();

// Puts `facts` in place for the lifetime of this object.
class TScopedProcessFacts {
public:
    explicit TScopedProcessFacts(IProcessFacts& facts);
    ~TScopedProcessFacts();
    TScopedProcessFacts(const TScopedProcessFacts&) = delete;
    TScopedProcessFacts& operator=(const TScopedProcessFacts&) = delete;

private:
    IProcessFacts* m_previous;
};
