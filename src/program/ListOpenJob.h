#pragma once

#include "core/FileIdentity.h"
#include "core/ListFile.h"
#include "core/Project.h"

#include <exception>
#include <memory>

// What an opening carries from the window to its long half and back: a list
// of its own to read the file into, and the outcome with the identity of
// what was read. The long half touches nothing but the job and the file, so
// that the window goes on painting while a big list is read.
struct TListOpenJob {
    std::unique_ptr<TProject> List;
    TListReadResult Result;
    TFileIdentity ReadFrom;
    // What the reader did not turn into a reason (a failure of the file
    // system's own), for the window's side to throw as any command would.
    std::exception_ptr Failure;
};

// Reads the job's list from its file.
void RunListOpenJob(TListOpenJob& job) noexcept;
