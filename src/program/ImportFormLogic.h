#pragma once

#include "core/Project.h"
#include "program/TraderImport.h"

#include <string>

class TProgram;

// What the import window holds: the file's bytes, the format they are read
// in, the table chosen, the field of each column and the date form. Every
// choice is kept when another changes, where it still fits: a new format
// or table guesses the fields anew, a field chosen by hand stays until then.

constexpr int kImportPreviewRows = 20;
// A trader's list is text: a file far beyond any list is no list.
constexpr size_t kMostImportBytes = size_t{1} << 30;

class TImportFormLogic {
public:
    explicit TImportFormLogic(const TStrings2& names) : m_codes(names) {}

    // Reads the file and guesses its format, table and fields; false with the
    // reason, and nothing changed, when it cannot be read.
    bool Open(const std::string& path, std::string& error);
    // The same for bytes already read, named `path`.
    void Take(std::string bytes, const std::string& path);

    void SetFormat(TTradeFormat format);
    void SetTable(size_t table);
    void SetField(size_t column, TTradeField field);
    void SetDateForm(TDateForm form) { m_dateForm = form; }

    bool HasFile() const { return !m_path.empty(); }
    const std::string& Path() const { return m_path; }
    const TTradeFile& File() const { return m_file; }
    const TTradeTable& Table() const { return m_file.Tables[m_file.Table]; }
    const std::vector<TTradeField>& Fields() const { return m_fields; }
    TDateForm DateForm() const { return m_dateForm; }

    // The first rows as they will be imported, one cell per column: dates in
    // the chosen form, other texts as read.
    std::vector<TTradeRow> Preview() const;
    // "1,234 rows, 9 columns"; how many bootlegs the rows give.
    std::string Summary() const;

    TArrayOfBootData Records() const;

private:
    void Guess();

    TTradeCodeReader m_codes;
    std::string m_path;
    std::string m_bytes;
    TTradeFile m_file{TTradeFormat::Csv, ',', {TTradeTable()}, 0};
    std::vector<TTradeField> m_fields;
    TDateForm m_dateForm = TDateForm::Dotted;
};

// Adds the imported records to the end of `list` as one undo step named
// after the file; false with the reason, and nothing added, when the list
// has no room for them.
bool AddImportedRecords(TProject& list, TArrayOfBootData records, const std::string& path, std::string& error);

// Where an import goes, every band shown afterwards. Added to `list` as
// above, with the view built for the refresh that follows: this may run
// away from the window.
bool AddImportToList(TProgram& program, TProject& list, TArrayOfBootData records, const std::string& path,
                     std::string& error);
// Into a new list of its own.
bool OpenImportAsList(TProgram& program, TArrayOfBootData records, std::string& error);
