// Makes one stored blob from its readable source and reads it back through
// the program's own reader, so that a broken resource fails the build.

#include "BitmapSources.h"
#include "TextSources.h"

#include "controls/grid/GridData.h"

#include <QGuiApplication>

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

bool ReadFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    bytes = all.str();
    return static_cast<bool>(in);
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out.flush());
}

bool MakeStrings(const std::string& in, std::string& blob, std::string& error) {
    std::string source;
    TStrings2 strings;
    if (!ReadFile(in, source) || !ParseStringsSource(source, strings, error))
        return error.empty() ? (error = "cannot read " + in, false) : false;
    blob = strings.WriteData();
    TStrings2 back;
    if (back.ReadData(blob, error) != TStrings2::TReadResult::Ok)
        return false;
    for (int32_t i = 0; i <= strings.Count() + 1; ++i)
        if (back.Item(i) != strings.Item(i) || back.Sign(i) != strings.Sign(i) || back.Count() != strings.Count())
            return error = "the texts do not read back as written", false;
    return true;
}

bool MakeColumns(const std::string& in, std::string& blob, std::string& error) {
    std::string source;
    std::vector<TGridColumn> columns;
    if (!ReadFile(in, source) || !ParseColumnsSource(source, columns, error))
        return error.empty() ? (error = "cannot read " + in, false) : false;
    blob = EncodeGridColumns(columns);
    std::vector<TGridColumn> back;
    if (DecodeGridColumns(blob, back) != TGridDataResult::Ok || back != columns)
        return error = "the columns do not read back as written", false;
    return true;
}

bool MakeBitmaps(const std::string& in, std::string& blob, std::string& error) {
    TBitmapContainer container;
    if (!BuildContainer(in, container, error))
        return false;
    blob = container.WriteProps();
    TBitmapContainer back;
    if (!back.ReadProps(blob, error) || !CheckContainer(in, back, error))
        return false;
    if (back.WriteProps() != blob)
        return error = "the bitmaps do not write back as read", false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::cerr << "usage: korvalen-resgen strings|columns|bitmaps SOURCE BLOB\n";
        return 2;
    }
    std::string kind = argv[1];
    std::string blob;
    std::string error;
    bool ok = kind == "strings"   ? MakeStrings(argv[2], blob, error)
              : kind == "columns" ? MakeColumns(argv[2], blob, error)
              : kind == "bitmaps" ? MakeBitmaps(argv[2], blob, error)
                                  : (error = "unknown kind " + kind, false);
    if (ok && !WriteFile(argv[3], blob))
        ok = (error = std::string("cannot write ") + argv[3], false);
    if (!ok) {
        std::cerr << "korvalen-resgen: " << argv[2] << ": " << error << "\n";
        return 1;
    }
    return 0;
}
