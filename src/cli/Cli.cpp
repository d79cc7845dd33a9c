#include "Cli.h"

#include "DumpFormat.h"
#include "KorvalenVersion.h"
#include "cli/CliSupport.h"
#include "cli/ListFunctionCommands.h"
#include "core/Codes.h"
#include "core/ListCaption.h"
#include "core/ListFile.h"
#include "core/ListFunctions.h"
#include "core/ListLock.h"
#include "core/ListSort.h"
#include "core/Project.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "program/ConcertLists.h"
#include "program/ExportFile.h"
#include "program/ListStatistics.h"
#include "program/TourCoverage.h"
#include "program/TraderImport.h"
#include "program/WantsList.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <numeric>
#include <ostream>

namespace {

struct TCommand {
    const char* Name;
    const char* Usage;
    const char* Help;
    size_t Arguments; // exact number of arguments; 0 when the command checks them itself
    void (*Run)(const TArgs&, std::ostream& out, std::ostream& err);
    // Writes a list file: takes --force to write over one that is open.
    bool WritesList = false;
};

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

void RunInfo(const TArgs& args, std::ostream& out, std::ostream&) {
    int32_t version = 0;
    TProject list = LoadList(args[0], &version);
    out << "version " << version << ", " << list.Data.size() << " bootlegs\n";
}

void RunDump(const TArgs& args, std::ostream& out, std::ostream&) {
    std::string path, query;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--filter") {
            if (++i == args.size())
                throw TCliError{"korvalen-cli dump: --filter needs a query."};
            query = args[i];
        } else if (path.empty() && (args[i].empty() || args[i][0] != '-')) {
            path = args[i];
        } else {
            throw TCliError{"korvalen-cli dump: unexpected argument \"" + args[i] + "\"."};
        }
    }
    if (path.empty())
        throw TCliError{"usage: korvalen-cli dump LIST.kvu [--filter QUERY]"};
    TProject list = LoadList(path);
    // The quick filter of the window, under the "< all >" filters of its panel.
    list.QuickFilter.SetText(query, ShownCodeNames(CodeNameStore()));
    list.BuildView(TFilterState());
    std::string line;
    for (int32_t index : list.View) {
        line = FormatDumpLine(list.Data[static_cast<size_t>(index)]);
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
        throw TCliError{"usage: korvalen-cli sort LIST.kvu COLUMN [--descending] [--force] -o OUT.kvu"};
    int column = ParseColumn(columnText, "korvalen-cli sort: COLUMN");
    TProject list = LoadList(input);
    list.Sort(column, ascending); // no Search column: 1 is Band
    SaveList(list, output);
}

// The property list's order for "--columns N,N,...": the listed properties,
// the separator, then the others in number order.
TExportOrder ParseExportColumns(const std::string& text) {
    const std::string what = "korvalen-cli export: each column of --columns";
    std::vector<int32_t> lines;
    for (size_t start = 0; !text.empty() && start <= text.size();) {
        size_t end = std::min(text.find(',', start), text.size());
        int32_t line = ParseColumn(text.substr(start, end - start), what) - 1;
        if (std::find(lines.begin(), lines.end(), line) != lines.end())
            throw TCliError{"korvalen-cli export: column " + std::to_string(line + 1) + " is listed twice."};
        lines.push_back(line);
        start = end + 1;
    }
    lines.push_back(kExportSeparatorLine);
    for (int32_t line = 0; line < kExportSeparatorLine; ++line)
        if (std::find(lines.begin(), lines.end(), line) == lines.end())
            lines.push_back(line);
    TExportOrder order{};
    std::copy(lines.begin(), lines.end(), order.begin());
    return order;
}

// The code page the program reads old 8-bit text in, for CSV and the web page.
TCodePage ParseCodePage(const std::string& text) {
    int32_t number = 0;
    TCodePage page;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec != std::errc() || ptr != text.data() + text.size() || !CodePageOfNumber(number, page))
        throw TCliError{"korvalen-cli export: --code-page takes 1250, 1251, 1252, 28591 or 28592, not \"" + text +
                        "\"."};
    return page;
}

void RunExport(const TArgs& args, std::ostream&, std::ostream& err) {
    std::vector<std::string> files;
    TExportChoices choices;
    choices.Options.DivideByTours = false;
    std::string toursDir;
    auto value = [&](size_t& i) -> const std::string& {
        if (++i == args.size())
            throw TCliError{"korvalen-cli export: " + args[i - 1] + " needs a value."};
        return args[i];
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--columns")
            choices.Order = ParseExportColumns(value(i));
        else if (arg == "--format") {
            if (!ExportFormatOfName(value(i), choices.Format))
                throw TCliError{"korvalen-cli export: --format takes text, csv or html, not \"" + args[i] + "\"."};
        } else if (arg == "--code-page") {
            SetLegacyCodePage(ParseCodePage(value(i)));
        } else if (arg == "--tours") {
            toursDir = value(i);
            choices.Options.DivideByTours = true;
        } else if (arg == "--no-band-name")
            choices.Options.BandNameBeforeTour = false;
        else if (arg.rfind("--", 0) == 0 || files.size() == 2)
            throw TCliError{"korvalen-cli export: unexpected argument \"" + arg + "\"."};
        else
            files.push_back(arg);
    }
    if (files.size() != 2)
        throw TCliError{"usage: korvalen-cli export LIST.kvu OUT [--format text|csv|html] [--columns N,N,...] "
                        "[--tours DIR] [--no-band-name] [--code-page N]"};
    TProject list = LoadList(files[0]);
    TConcertLists tours;
    if (choices.Options.DivideByTours)
        tours = LoadTours(toursDir, err);
    std::vector<int32_t> everyRecord(list.Data.size());
    std::iota(everyRecord.begin(), everyRecord.end(), 0);
    const TStrings2 names = CodeNameStore();
    std::string error;
    if (!ExportListFile(files[1], {list.Data, everyRecord, tours.Bands, names}, choices, ListCaption(files[0]), error))
        throw TCliError{files[1] + ": " + error};
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

void RunCoverage(const TArgs& args, std::ostream& out, std::ostream& err) {
    std::string listPath, toursDir;
    bool missing = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--missing")
            missing = true;
        else if (args[i] == "--tours" && i + 1 < args.size())
            toursDir = args[++i];
        else if (args[i].rfind("--", 0) == 0 || !listPath.empty())
            throw TCliError{"korvalen-cli coverage: unexpected argument \"" + args[i] + "\"."};
        else
            listPath = args[i];
    }
    if (listPath.empty() || toursDir.empty())
        throw TCliError{"usage: korvalen-cli coverage LIST.kvu --tours DIR [--missing]"};
    TProject list = LoadList(listPath);
    TConcertLists tours = LoadTours(toursDir, err);
    const std::vector<TBandCoverage> coverage = TourCoverage(tours.Bands, list.Data);
    if (!missing) {
        PrintLines(CoverageCountLines(coverage), out);
        return;
    }
    for (const TCoveredConcert& concert : MissingConcerts(coverage))
        out << ConcertTourFileLine(concert) << "\n";
}

void RunStats(const TArgs& args, std::ostream& out, std::ostream&) {
    TProject list = LoadList(args[0]);
    PrintLines(StatisticsLines(ListStatistics(list.Data, nullptr)), out);
}

void RunImportList(const TArgs& args, std::ostream& out, std::ostream&) {
    const std::string usage = "usage: korvalen-cli import-list FILE -o OUT.kvu [--format csv|text|html] "
                              "[--date-form FORM] [--force]";
    std::string input, output, formatName, formName = DateFormSample(TDateForm::Dotted);
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string* value = arg == "-o"            ? &output
                             : arg == "--format"    ? &formatName
                             : arg == "--date-form" ? &formName
                                                    : nullptr;
        if (value && ++i == args.size())
            throw TCliError{"korvalen-cli import-list: " + arg + " needs a value."};
        if (value)
            *value = args[i];
        else if (input.empty() && !arg.empty() && arg[0] != '-')
            input = arg;
        else
            throw TCliError{"korvalen-cli import-list: unexpected argument \"" + arg + "\"."};
    }
    if (input.empty() || output.empty())
        throw TCliError{usage};
    TDateForm form = TDateForm::Dotted;
    if (!ReadDateForm(formName, form))
        throw TCliError{"korvalen-cli import-list: --date-form takes dotted, iso, us, european or written, not \"" +
                        formName + "\"."};
    const std::string bytes = ReadFileOrThrow(input);
    TTradeFormat format = GuessTradeFormat(bytes, input);
    if (!formatName.empty() && !ReadTradeFormat(formatName, format))
        throw TCliError{"korvalen-cli import-list: --format takes csv, text or html, not \"" + formatName + "\"."};
    TTradeResult result = ImportTradeFile(bytes, format, form, CodeNameStore());
    out << TradeMappingText(result.File, result.Fields);
    TProject list;
    std::string error;
    if (!RoomForRecords(0, result.Records.size(), error))
        throw TCliError{"korvalen-cli import-list: " + error};
    list.Data = std::move(result.Records);
    SaveList(list, output);
    out << list.Data.size() << " bootlegs written to " << output << "\n";
}

const TCommand kCommands[] = {
    {"info", "korvalen-cli info LIST.kvu", "Prints the file version and the number of bootlegs of a list.", 1, RunInfo},
    {"dump", "korvalen-cli dump LIST.kvu [--filter QUERY]",
     "Prints one line per bootleg, in list order: 14 fields separated by TAB (band, date, city,\n"
     "country, venue, name, source code, media code, quality, num, front cover, back cover, info,\n"
     "comment). Backslash, TAB, CR and LF in a field are written as \\\\, \\t, \\r and \\n.\n"
     "--filter prints only the bootlegs that pass QUERY as the window's quick filter passes them:\n"
     "every word shown in a text column, \"two words\" as a phrase, -word not shown, column:word\n"
     "in one column (band, date, city, country, venue, name, source, media, quality, num, comment),\n"
     "letters in any case. Texts that are not UTF-8 are read as Windows-1250.",
     0, RunDump},
    {"import", "korvalen-cli import [--force] DUMP.tsv LIST.kvu",
     "Writes a list file from lines in the form that dump prints. A line that is not in that form\n"
     "is an error naming its line number, and then no file is written.",
     2, RunImport, true},
    {"import-list", "korvalen-cli import-list FILE -o OUT.kvu [--format csv|text|html] [--date-form FORM] [--force]",
     "Makes a list of a trader's list: comma- or tab-separated values, text in padded columns (as\n"
     "export writes it) or the largest table of a web page; the format is told from the file unless\n"
     "--format names it. Prints the field it guessed for each column (from the header names and the\n"
     "texts). Dates that can be read are written in FORM: dotted (1999.05.01, the default), iso\n"
     "(1999-05-01), us (05/01/1999), european (01.05.1999) or written (1 May 1999); others stay as\n"
     "they are. Source and media names and abbreviations (SBD, AUD, FM, DVD, CDR ...) become codes;\n"
     "words that name none go to the comment.",
     0, RunImportList, true},
    {"sort", "korvalen-cli sort LIST.kvu COLUMN [--descending] [--force] -o OUT.kvu",
     "Sorts a list on COLUMN (1 Band, 2 Date, 3 City, 4 Country, 5 Venue, 6 Boootleg name,\n"
     "7 Source, 8 Media, 9 Quality, 10 Num, 11 Cover, 12 Info, 13 Comment) as the program's\n"
     "Sort A-Z (or Sort Z-A with --descending) does, and writes the result to OUT.kvu.",
     0, RunSort, true},
    {"export",
     "korvalen-cli export LIST.kvu OUT [--format text|csv|html] [--columns N,N,...] [--tours DIR] "
     "[--no-band-name] [--code-page N]",
     "Writes every bootleg of a list, in list order, to the file OUT as the program's Export does\n"
     "under the \"< all >\" filters. --format text (the default): one line per bootleg in columns\n"
     "padded with spaces, CR LF line ends; csv: comma-separated values in UTF-8 with a header of\n"
     "the column captions; html: one web page with a table that sorts by a click on a caption.\n"
     "CSV and html are UTF-8: older 8-bit text is read in the code page N (1250 by default).\n"
     "--columns gives the exported properties in order (1 Band, 2 Date,\n"
     "3 City, 4 Country, 5 Venue, 6 Boootleg name, 7 Source, 8 Media, 9 Quality, 10 Num, 11 Cover,\n"
     "12 Info.txt, 13 Comment); all thirteen by default, none with --columns \"\". --tours divides\n"
     "the list into tours by the tour files of the Tours folder DIR, each section headed by band\n"
     "and tour name, or by the tour name alone with --no-band-name.",
     0, RunExport},
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
    {"coverage", "korvalen-cli coverage LIST.kvu --tours DIR [--missing]",
     "Prints, per tour of the tour files in DIR, how many of its concerts the list holds: band,\n"
     "tour, concerts owned and concerts known, separated by TAB; bands sorted, tours in file order.\n"
     "A concert is owned when the list has a bootleg of its band on its date (both exactly as\n"
     "written). With --missing it prints the concerts the list lacks instead: band and tour, then\n"
     "the concert as its tour file holds it (date|extra|city|country|venue), separated by TAB.",
     0, RunCoverage},
    {"stats", "korvalen-cli stats LIST.kvu",
     "Prints the counts of the statistics window for a whole list: \"total\" first, then one line\n"
     "per row of each table (year, band, source, media, quality): table, label and count, separated\n"
     "by TAB. Bands and qualities beyond the 20 largest are counted together.",
     1, RunStats},
    {"compare", kCompareUsage,
     "Compares the lists as the program's list functions do with all of them selected (one list:\n"
     "the search for duplicates). Two bootlegs match when band and date are equal, and source and\n"
     "media unless --no-source or --no-media leave them out. Prints one line per bootleg, lists in\n"
     "the given order and bootlegs in list order: list number, bootleg number (both from 1), the\n"
     "number of lists that lack it (1 for a duplicate) and their names, separated by TAB (the names\n"
     "written as in dump).\n"
     "--loose lets band and date meet whatever their case and spaces, and dates whatever their form\n"
     "(1999.05.01, 1999-05-01, 05/01/1999, 1 May 1999).",
     0, RunCompare},
    {"join", kJoinUsage,
     "Joins the lists into OUT.kvu as the program's list functions do: every bootleg once, the first\n"
     "one met of each group of matching bootlegs (lists in the given order), with its own fields.",
     0, RunJoin, true},
    {"wants", kWantsUsage,
     "Writes to OUT.kvu the bootlegs of the other lists that MINE.kvu lacks, matched as compare\n"
     "matches them: each once, the first one met (lists in the given order). Prints their number.",
     0, RunWants, true},
};

void PrintOverview(std::ostream& out) {
    out << "korvalen-cli: batch work on Korvalen list files (.kvu)\n\nusage:\n";
    for (const TCommand& command : kCommands)
        out << "  " << command.Usage << "\n";
    out << "\nimport, import-list, sort, join and wants refuse to write over a list that Korvalen has open (it keeps "
           "a\n"
           "hidden .NAME.lock file beside it) unless given --force.\n"
           "\n'korvalen-cli COMMAND --help' tells more about a command; 'korvalen-cli --version' prints\n"
           "the version.\n";
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
    if (args[0] == "--version") {
        out << "korvalen-cli " KORVALEN_VERSION "\n";
        return 0;
    }
    for (const TCommand& command : kCommands) {
        if (args[0] != command.Name)
            continue;
        TArgs rest(args.begin() + 1, args.end());
        auto force = std::find(rest.begin(), rest.end(), "--force");
        ForceWrite() = command.WritesList && force != rest.end();
        if (ForceWrite())
            rest.erase(force);
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
