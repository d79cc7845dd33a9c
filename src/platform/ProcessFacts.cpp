#include "platform/ProcessFacts.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <pwd.h>
#include <unistd.h>

namespace {

class TSystemFacts final : public IProcessFacts {
public:
    std::string UserName() override {
        if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_name)
            return entry->pw_name;
        const char* user = std::getenv("USER");
        return user ? user : "";
    }
    std::string HostName() override {
        char name[256] = {};
        if (::gethostname(name, sizeof name - 1) != 0)
            return "";
        return name;
    }
    int64_t ProcessId() override { return ::getpid(); }
    int64_t Now() override { return static_cast<int64_t>(std::time(nullptr)); }
    bool IsRunning(int64_t pid) override {
        if (pid <= 0 || pid != static_cast<pid_t>(pid))
            return false;
        // EPERM: it runs, under another user.
        return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
    }
};

TSystemFacts g_system;
IProcessFacts* g_current = &g_system;

} // namespace

IProcessFacts& ProcessFacts() {
    return *g_current;
}

TScopedProcessFacts::TScopedProcessFacts(IProcessFacts& facts) : m_previous(g_current) {
    g_current = &facts;
}

TScopedProcessFacts::~TScopedProcessFacts() {
    g_current = m_previous;
}
