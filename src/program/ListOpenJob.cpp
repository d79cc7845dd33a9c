#include "program/ListOpenJob.h"

void RunListOpenJob(TListOpenJob& job) {
    job.Result = job.List->Load(&job.ReadFrom);
    job.Finished = true;
}
