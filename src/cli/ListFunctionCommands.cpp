#include "cli/ListFunctionCommands.h"

#include "cli/DumpFormat.h"
#include "core/ListFunctions.h"

#include <ostream>

// clang-format off
const char* const kCompareUsage = "korvalen-cli compare [--no-source] [--no-media] [--loose] LIST.kvu...";
const char* const kJoinUsage = "korvalen-cli join [--no-source] [--no-media] [--loose] [--force] LIST.kvu... -o OUT.kvu";
const char* const kWantsUsage = "korvalen-cli wants [--no-source] [--no-media] [--loose] [--force] MINE.kvu LIST.kvu... -o OUT.kvu";
// clang-format on

namespace {

// The arguments of compare, join and wants: the options, the lists in order
// and, for join and wants, the output file.
struct TListFunctionArgs {
    TMatchOptions Options;
    std::vector<std::string> Lists;
    std::string Output;
};

TListFunctionArgs ParseListFunctionArgs(const TArgs& args, const std::string& command, const char* usage,
                                        size_t fewestLists = 1) {
    const bool wantsOutput = command != "compare";
    TListFunctionArgs parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--no-source")
            parsed.Options.Source = false;
        else if (arg == "--no-media")
            parsed.Options.Media = false;
        else if (arg == "--loose")
            parsed.Options.Loose = true;
        else if (wantsOutput && arg == "-o") {
            if (++i == args.size())
                throw TCliError{"korvalen-cli " + command + ": -o needs a file name."};
            parsed.Output = args[i];
        } else if (arg.size() > 1 && arg[0] == '-')
            throw TCliError{"korvalen-cli " + command + ": unknown option \"" + arg + "\"."};
        else
            parsed.Lists.push_back(arg);
    }
    if (parsed.Lists.size() < fewestLists || (wantsOutput && parsed.Output.empty()))
        throw TCliError{std::string("usage: ") + usage};
    return parsed;
}

// Every list loaded and selected, in the given order.
struct TOpenLists {
    std::vector<TProject> Owned;
    std::vector<TProject*> Lists;
    std::vector<bool> Selected;

    explicit TOpenLists(const std::vector<std::string>& paths) {
        Owned.reserve(paths.size());
        for (const std::string& path : paths)
            Owned.push_back(LoadList(path));
        for (TProject& list : Owned)
            Lists.push_back(&list);
        Selected.assign(Lists.size(), true);
    }
};

} // namespace

void RunCompare(const TArgs& args, std::ostream& out, std::ostream&) {
    TListFunctionArgs parsed = ParseListFunctionArgs(args, "compare", kCompareUsage);
    TOpenLists open(parsed.Lists);
    CompareLists(open.Lists, open.Selected, parsed.Options);
    std::string line;
    for (size_t l = 0; l < open.Lists.size(); ++l) {
        const TArrayOfBootData& data = open.Lists[l]->Data;
        for (size_t r = 0; r < data.size(); ++r) {
            line = std::to_string(l + 1) + "\t" + std::to_string(r + 1) + "\t" + std::to_string(data[r].SearchHits) +
                   "\t" + EscapeDumpField(data[r].SearchText) + "\n";
            out.write(line.data(), static_cast<std::streamsize>(line.size()));
        }
    }
}

void RunJoin(const TArgs& args, std::ostream&, std::ostream&) {
    TListFunctionArgs parsed = ParseListFunctionArgs(args, "join", kJoinUsage);
    TOpenLists open(parsed.Lists);
    TProject joined;
    std::string error;
    if (!JoinLists(open.Lists, open.Selected, TFilterState(), parsed.Options, joined.Data, error))
        throw TCliError{"korvalen-cli join: " + error};
    SaveList(joined, parsed.Output);
}

void RunWants(const TArgs& args, std::ostream& out, std::ostream&) {
    TListFunctionArgs parsed = ParseListFunctionArgs(args, "wants", kWantsUsage, 2);
    TOpenLists open(parsed.Lists);
    TProject wants;
    std::string error;
    if (!LackingRecords(open.Lists, open.Selected, 0, parsed.Options, wants.Data, error))
        throw TCliError{"korvalen-cli wants: " + error};
    SaveList(wants, parsed.Output);
    out << wants.Data.size() << " wanted\n";
}
