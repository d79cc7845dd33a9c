#include "program/ListOpenJob.h"

void RunListOpenJob(TListOpenJob& job) noexcept {
    try {
        job.Result = job.List->Load(&job.ReadFrom);
    } catch (...) {
        job.Failure = std::current_exception();
    }
}
