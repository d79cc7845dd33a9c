#include "program/ImportFormLogic.h"

#include "core/ListFile.h"
#include "platform/FileSystem.h"
#include "platform/PathName.h"
#include "program/MadeList.h"
#include "program/Program.h"

bool TImportFormLogic::Open(const std::string& path, std::string& error) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes, error, kMostImportBytes))
        return false;
    Take(std::move(bytes), path);
    return true;
}

void TImportFormLogic::Take(std::string bytes, const std::string& path) {
    m_bytes = std::move(bytes);
    m_path = path;
    SetFormat(GuessTradeFormat(m_bytes, path));
}

void TImportFormLogic::SetFormat(TTradeFormat format) {
    m_file = ReadTradeFile(m_bytes, format);
    Guess();
}

void TImportFormLogic::SetTable(size_t table) {
    if (table >= m_file.Tables.size() || table == m_file.Table)
        return;
    m_file.Table = table;
    Guess();
}

void TImportFormLogic::SetField(size_t column, TTradeField field) {
    if (column < m_fields.size())
        m_fields[column] = field;
}

void TImportFormLogic::Guess() {
    m_fields = GuessTradeFields(Table(), m_codes);
}

std::vector<TTradeRow> TImportFormLogic::Preview() const {
    const TTradeTable& table = Table();
    std::vector<TTradeRow> rows;
    for (size_t r = 0; r < table.Rows.size() && r < size_t{kImportPreviewRows}; ++r) {
        TTradeRow row = table.Rows[r];
        row.resize(m_fields.size());
        for (size_t k = 0; k < row.size(); ++k)
            if (m_fields[k] == TTradeField::Date) {
                std::string date = RewrittenDate(row[k], m_dateForm);
                if (!date.empty())
                    row[k] = std::move(date);
            }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string TImportFormLogic::Summary() const {
    const TTradeTable& table = Table();
    std::string text = std::to_string(table.Rows.size()) + (table.Rows.size() == 1 ? " row, " : " rows, ") +
                       std::to_string(m_fields.size()) + (m_fields.size() == 1 ? " column" : " columns");
    if (m_file.Tables.size() > 1)
        text += " (table " + std::to_string(m_file.Table + 1) + " of " + std::to_string(m_file.Tables.size()) + ")";
    return text;
}

TArrayOfBootData TImportFormLogic::Records() const {
    return ImportTradeRows(Table().Rows, {m_fields, m_dateForm}, m_codes);
}

bool AddImportedRecords(TProject& list, TArrayOfBootData records, const std::string& path, std::string& error) {
    if (!RoomForRecords(list.Data.size(), records.size(), error))
        return false;
    for (TBootData& record : records)
        list.UndoSteps.Append(list.Data, std::move(record));
    list.CommitChange("import of " + FileNamePart(path));
    return true;
}

bool AddImportToList(TProgram& program, TProject& list, TArrayOfBootData records, const std::string& path,
                     std::string& error) {
    if (!AddImportedRecords(list, std::move(records), path, error))
        return false;
    program.Filter.AllBands = true;
    list.BuildViewAhead(program.Filter);
    return true;
}

bool OpenImportAsList(TProgram& program, TArrayOfBootData records, std::string& error) {
    if (!RoomForRecords(0, records.size(), error))
        return false;
    // Before the new list's view is built.
    program.Filter.AllBands = true;
    return OpenMadeList(program, std::move(records), "import");
}
