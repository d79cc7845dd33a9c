// Peak memory of loading a list, against the size of its uncompressed
// content. Run as: list_memory make FILE [COUNT [long]], then list_memory load
// FILE (in a fresh process, so that the peak belongs to the load alone);
// "long" makes a list of long texts.

#include "ListGenerator.h"
#include "ProcessStatus.h"
#include "core/Project.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "make") == 0) {
        TProject list;
        list.FileName = argv[2];
        const size_t count = argc >= 4 ? std::stoul(argv[3]) : 100000;
        const bool longTexts = argc >= 5 && std::strcmp(argv[4], "long") == 0;
        list.Data = longTexts ? GenerateLongTextCollection(count) : GenerateCollection(count);
        TSaveResult result = list.Save();
        if (!result.Ok) {
            std::fprintf(stderr, "%s\n", result.Reason.c_str());
            return 1;
        }
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "load") == 0) {
        long before = StatusKiB("VmRSS:");
        TProject list;
        list.FileName = argv[2];
        TListReadResult result = list.Load();
        if (!result.Ok()) {
            std::fprintf(stderr, "%s\n", result.Reason.c_str());
            return 1;
        }
        long peak = StatusKiB("VmHWM:");
        TStringSink content;
        std::string error;
        WriteListContent(list.Data, content, error);
        double contentMiB = static_cast<double>(content.Bytes.size()) / (1024.0 * 1024.0);
        double growthMiB = static_cast<double>(peak - before) / 1024.0;
        std::printf("bootlegs %zu, content %.1f MiB, peak growth while loading %.1f MiB (%.2fx the content)\n",
                    list.Data.size(), contentMiB, growthMiB, growthMiB / contentMiB);
        return 0;
    }
    std::fprintf(stderr, "usage: list_memory make FILE [COUNT [long]] | list_memory load FILE\n");
    return 1;
}
