#include "Cli.h"

#include "DumpFormat.h"
#include "core/ListSort.h"
#include "core/Project.h"
#include "platform/FileSystem.h"
#include "program/ConcertLists.h"

#include <charconv>
#include <memory>
#include <ostream>

namespace {

using TArgs = std::vector<std::string>;

// An error that ends the command: its text (if any) goes to standard error as it is.
struct TCliError {
    std::string Text;
};

struct TCommand {
    const char* Name;
    const char* Usage;
    const char* Help;
    size_t Arguments; // exact number of arguments; 0 when the command checks them itself
    void (*Run)(const TArgs&, std::ostream& out, std::ostream& err);
};

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

TProject LoadList(const std::string& path, int32_t* version = nullptr) {
    TProject list;
    list.FileName = path;
    TListReadResult result = list.Load();
    if (result.Status == TListReadResult::TStatus::NewerVersion)
        throw TCliError{result.Reason};
    if (!result.Ok())
        throw TCliError{path + ": " + result.Reason};
    if (version)
        *version = result.Version;
    return list;
}

void SaveList(TProject& list, const std::string& path) {
    list.FileName = path;
    TSaveResult result = list.Save();
    if (!result.Ok)
        throw TCliError{path + ": " + result.Reason};
}

std::string ReadFileOrThrow(const std::string& path) {
    std::string bytes, error;
    if (!ReadWholeFile(path, bytes, error))
        throw TCliError{path + ": " + AsSentence(error)};
    return bytes;
}

void RunInfo(const TArgs& args, std::ostream& out, std::ostream&) {
    int32_t version = 0;
    TProject list = LoadList(args[0], &version);
    out << "version " << version << ", " << list.Data.size() << " bootlegs\n";
}

void RunDump(const TArgs& args, std::ostream& out, std::ostream&) {
    TProject list = LoadList(args[0]);
    std::string line;
    for (const TBootData& record : list.Data) {
        line = FormatDumpLine(record);
        line += '\n';
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
}

void RunImport(const TArgs& args, std::ostream&, std::ostream&) {
    const std::string& dumpPath = args[0];
    std::string dump = ReadFileOrThrow(dumpPath);
    TProject list;
    size_t start = 0;
    for (size_t lineNumber = 1; start < dump.size(); ++lineNumber) {
        size_t end = dump.find('\n', start);
        if (end == std::string::npos)
            end = dump.size();
        std::string_view line(dump.data() + start, end - start);
        // A raw CR is never part of a field (it is written as \r), so one
        // before the line end comes from an editor and is dropped.
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::string error;
        if (!ParseDumpLine(line, list.Data.emplace_back(), error))
            throw TCliError{dumpPath + ":" + std::to_string(lineNumber) + ": " + error + "."};
        start = end + 1;
    }
    SaveList(list, args[1]);
}

int ParseColumn(const std::string& text) {
    int column = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), column);
    if (ec != std::errc() || ptr != text.data() + text.size() || column < 1 || column > 13)
        throw TCliError{"korvalen-cli sort: COLUMN must be a number from 1 (Band) to 13 (Comment), not \"" + text +
                        "\"."};
    return column;
}

void RunSort(const TArgs& args, std::ostream&, std::ostream&) {
    std::string input, output, columnText;
    bool ascending = true;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--descending")
            ascending = false;
        else if (arg == "-o") {
            if (++i == args.size())
                throw TCliError{"korvalen-cli sort: -o needs a file name."};
            output = args[i];
        } else if (input.empty())
            input = arg;
        else if (columnText.empty())
            columnText = arg;
        else
            throw TCliError{"korvalen-cli sort: unexpected argument \"" + arg + "\"."};
    }
    if (input.empty() || columnText.empty() || output.empty())
        throw TCliError{"usage: korvalen-cli sort LIST.kvu COLUMN [--descending] -o OUT.kvu"};
    int column = ParseColumn(columnText);
    TProject list = LoadList(input);
    list.Sort(column, ascending); // no Search column: 1 is Band
    SaveList(list, output);
}

std::string FolderWithSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

// The concert lists of a Tours folder; unreadable tour files are named on
// standard error and left out, as the program does.
TConcertLists LoadTours(const std::string& folder, std::ostream& err) {
    if (!FileSystem().IsFolder(folder))
        throw TCliError{folder + ": there is no such folder."};
    TConcertLists lists = LoadConcertLists(FolderWithSeparator(folder));
    if (!lists.FolderError.empty())
        throw TCliError{"korvalen-cli: " + lists.FolderError};
    for (const std::string& unreadable : lists.Unreadable)
        err << "korvalen-cli: skipped " << unreadable << "\n";
    return lists;
}

void RunTours(const TArgs& args, std::ostream& out, std::ostream& err) {
    TConcertLists lists = LoadTours(args[0], err);
    for (const std::string& line : BandTourFilterLines(lists.Bands))
        out << EscapeDumpField(line) << "\n";
}

void RunConcerts(const TArgs& args, std::ostream& out, std::ostream& err) {
    TConcertLists lists = LoadTours(args[0], err);
    for (const TBand& band : lists.Bands)
        for (const TTour& tour : band.Tours)
            for (const TConcert& concert : tour.Concerts) {
                bool first = true;
                for (const std::string* field : {&band.Name, &tour.Name, &concert.Date, &concert.Extra, &concert.City,
                                                 &concert.Country, &concert.Venue}) {
                    out << (first ? "" : "\t") << EscapeDumpField(*field);
                    first = false;
                }
                out << "\n";
            }
}

// Nothing is printed when there is no such concert: the exit status tells.
void RunFindConcert(const TArgs& args, std::ostream& out, std::ostream& err) {
    TConcertLists lists = LoadTours(args[0], err);
    const TConcert* concert = FindConcert(lists.Bands, args[1], args[2]);
    if (!concert)
        throw TCliError{""};
    out << EscapeDumpField(concert->City) << "\t" << EscapeDumpField(concert->Country) << "\t"
        << EscapeDumpField(concert->Venue) << "\n";
}

const TCommand kCommands[] = {
    {"info", "korvalen-cli info LIST.kvu", "Prints the file version and the number of bootlegs of a list.", 1, RunInfo},
    {"dump", "korvalen-cli dump LIST.kvu",
     "Prints one line per bootleg, in list order: 14 fields separated by TAB (band, date, city,\n"
     "country, venue, name, source code, media code, quality, num, front cover, back cover, info,\n"
     "comment). Backslash, TAB, CR and LF in a field are written as \\\\, \\t, \\r and \\n.",
     1, RunDump},
    {"import", "korvalen-cli import DUMP.tsv LIST.kvu",
     "Writes a list file from lines in the form that dump prints. A line that is not in that form\n"
     "is an error naming its line number, and then no file is written.",
     2, RunImport},
    {"sort", "korvalen-cli sort LIST.kvu COLUMN [--descending] -o OUT.kvu",
     "Sorts a list on COLUMN (1 Band, 2 Date, 3 City, 4 Country, 5 Venue, 6 Boootleg name,\n"
     "7 Source, 8 Media, 9 Quality, 10 Num, 11 Cover, 12 Info, 13 Comment) as the program's\n"
     "Sort A-Z (or Sort Z-A with --descending) does, and writes the result to OUT.kvu.",
     0, RunSort},
    {"tours", "korvalen-cli tours DIR",
     "Prints the lines of the band-and-tour filter for the tour files in the Tours folder DIR:\n"
     "\"$f01 < all > \" first, then \"$f01\" and each band, each followed by \"$f02\" and its tours\n"
     "(written as in dump).",
     1, RunTours},
    {"concerts", "korvalen-cli concerts DIR",
     "Prints one line per concert of the tour files in DIR: band, tour, date, extra, city, country\n"
     "and venue, separated by TAB (written as in dump), bands sorted, tours and concerts in file order.",
     1, RunConcerts},
    {"find-concert", "korvalen-cli find-concert DIR BAND DATE",
     "Prints city, country and venue (separated by TAB) of the first concert of BAND on DATE in the\n"
     "tour files of DIR, as the program's Find concert chooses it. Exit status 1, and nothing\n"
     "printed, when there is none.",
     3, RunFindConcert},
};

void PrintOverview(std::ostream& out) {
    out << "korvalen-cli: batch work on Korvalen list files (.kvu)\n\nusage:\n";
    for (const TCommand& command : kCommands)
        out << "  " << command.Usage << "\n";
    out << "\n'korvalen-cli COMMAND --help' tells more about a command.\n";
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintOverview(err);
        return 1;
    }
    if (IsHelp(args[0]) || args[0] == "help") {
        PrintOverview(out);
        return 0;
    }
    for (const TCommand& command : kCommands) {
        if (args[0] != command.Name)
            continue;
        TArgs rest(args.begin() + 1, args.end());
        for (const std::string& arg : rest)
            if (IsHelp(arg)) {
                out << "usage: " << command.Usage << "\n\n" << command.Help << "\n";
                return 0;
            }
        if (command.Arguments != 0 && rest.size() != command.Arguments) {
            err << "usage: " << command.Usage << "\n";
            return 1;
        }
        try {
            command.Run(rest, out, err);
        } catch (const TCliError& error) {
            if (!error.Text.empty())
                err << error.Text << "\n";
            return 1;
        } catch (const std::bad_alloc&) {
            err << "korvalen-cli: out of memory.\n";
            return 1;
        }
        return 0;
    }
    err << "korvalen-cli: unknown command \"" << args[0] << "\"; see 'korvalen-cli --help'.\n";
    return 1;
}
