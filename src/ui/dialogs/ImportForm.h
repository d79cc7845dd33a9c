#pragma once

#include "program/ImportFormLogic.h"

#include <QDialog>

class IProgramHost;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class TProgram;

// File > Import trader's list: the file, its format and table, a preview
// of the first rows with a field box over each column, the form dates are
// written in, and whether the bootlegs open as a new list or join the
// current one. The decisions are TImportFormLogic's; this window shows them.
class TImportForm : public QDialog {
    Q_OBJECT

public:
    // `names`: the store of the source and media names.
    TImportForm(TProgram& program, IProgramHost& host, const TStrings2& names, QWidget* parent = nullptr);

    // Reads `path` off the window's thread and shows it; a file that cannot
    // be read is told to the user and the window stays as it was.
    void OpenFile(const std::string& path);
    void BrowseClick();

    bool AddToCurrent() const;
    // The bootlegs of the rows under the chosen fields.
    TArrayOfBootData Records() const { return m_logic.Records(); }
    const TImportFormLogic& Logic() const { return m_logic; }
    TImportFormLogic& Logic() { return m_logic; }

    QComboBox& FormatBox() const { return *m_format; }
    QComboBox& TableBox() const { return *m_table; }
    QComboBox& DateFormBox() const { return *m_dateForm; }
    QTableWidget& Preview() const { return *m_preview; }
    QComboBox* FieldBox(int column) const;
    QRadioButton& AddButton() const { return *m_add; }
    QPushButton& ImportButton() const { return *m_import; }

private:
    void CreateControls();
    void WireControls();
    // Everything shown anew from the logic.
    void Fill();
    void FillPreview();

    TProgram& m_program;
    IProgramHost& m_host;
    TImportFormLogic m_logic;
    bool m_filling = false;
    QLineEdit* m_file = nullptr;
    QPushButton* m_browse = nullptr;
    QComboBox* m_format = nullptr;
    QComboBox* m_table = nullptr;
    QComboBox* m_dateForm = nullptr;
    QLabel* m_summary = nullptr;
    QTableWidget* m_preview = nullptr;
    QRadioButton* m_newList = nullptr;
    QRadioButton* m_add = nullptr;
    QPushButton* m_import = nullptr;
};

// Runs the window and puts what it imports into a new list or the current
// one; true when bootlegs were added.
bool RunImportForm(QWidget* parent, TProgram& program, IProgramHost& host, const TStrings2& names);
