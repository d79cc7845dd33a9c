// Every allocation of a command fails in turn, through an operator new that
// can be told to fail: the command must end through the guard, with one
// message and the lists as they were. An executable of its own, as it
// replaces operator new.

#include "program/CommandGuard.h"
#include "program/CompareFormLogic.h"
#include "program/Program.h"
#include "support/FakeProgramHost.h"
#include "support/ListFiles.h"
#include "support/MemoryLimit.h"
#include "support/Records.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

// The allocations still allowed; -1: all of them.
long g_allocationsLeft = -1;

} // namespace

void* operator new(size_t size) {
    if (g_allocationsLeft >= 0 && g_allocationsLeft-- == 0)
        throw std::bad_alloc();
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

// The pair allocates with malloc, so free is its match.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, size_t) noexcept {
    std::free(memory);
}

namespace {

std::string Snapshot(const TProgram& program, const TFakeProgramHost& host) {
    std::string all = std::to_string(program.Lists.size()) + " lists, " + std::to_string(host.Tabs.size()) + " tabs";
    for (const auto& list : program.Lists) {
        all += "\n" + list->FileName + (list->Saved ? " saved" : " unsaved");
        for (const TBootData& r : list->Data)
            all += "|" + r.Band + "," + r.Date + "," + r.Num;
    }
    return all;
}

TEST(AllocationFailure, AJoinFailingAtAnyAllocationLeavesTheListsAsTheyWere) {
    if (kAddressSanitizer)
        GTEST_SKIP() << "the address sanitizer keeps operator new to itself";
    TTempDir home;
    TFakeProgramHost host;
    TMemorySettingsStore store;
    const TProgramFolders folders = MakeProgramFolders("/opt/korvalen/korvalen", home.Path());
    CreateMissingFolders(folders);
    TProgram program(host, store, folders);
    for (const char* name : {"a.kvu", "b.kvu"}) {
        SaveListFile(home.File(std::string("Lists/") + name),
                     {MatchRecord("Band", "1"), MatchRecord("Other", "2"), MatchRecord(name, "3")});
        ASSERT_TRUE(program.OpenList(home.File(std::string("Lists/") + name)));
    }
    TCompareFormLogic logic(program, host);
    const std::string before = Snapshot(program, host);
    host.Messages.clear();

    long failures = 0;
    for (long allowed = 0;; ++allowed) {
        g_allocationsLeft = allowed;
        const bool completed = RunCommandGuarded(host, {TActionId::cmCompare}, [&] {
            logic.Join({true, true}, logic.Options());
        });
        g_allocationsLeft = -1;
        if (completed)
            break;
        ++failures;
        ASSERT_EQ(Snapshot(program, host), before) << "allocation " << allowed;
        ASSERT_EQ(host.Messages.size(), 1u) << "allocation " << allowed;
        EXPECT_NE(host.Messages[0].Text.find("ran out of memory"), std::string::npos) << host.Messages[0].Text;
        host.Messages.clear();
    }
    EXPECT_GT(failures, 10);
    EXPECT_EQ(program.Lists.size(), 3u);
    EXPECT_EQ(host.Tabs.size(), 3u);
    EXPECT_FALSE(program.Lists.back()->Saved);
}

} // namespace
