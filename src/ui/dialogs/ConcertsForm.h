#pragma once

#include "program/ConcertTable.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QToolButton;
class TExcelGrid2;
class TImageList;
class TProgram;
class TTourComboBox;

// The concerts list: the concerts of the tour files as a read-only table,
// chosen by band or tour, searched and copied from; the concert of the
// current row goes into the current list as a new bootleg. The chosen line
// of the band-and-tour box is kept in the program's settings.
class TConcertsForm : public QDialog {
    Q_OBJECT

public:
    // `images` are the main window's tool-bar pictures.
    TConcertsForm(TProgram& program, const TImageList& images, QWidget* parent = nullptr);
    ~TConcertsForm() override;

    // The main window's refresh after a concert was added (its SetValues).
    std::function<void()> RefreshMainWindow;
    // Asks for the search text, preset with `text`; false on Cancel. The
    // toolkit's input box unless replaced (tests script it).
    std::function<bool(std::string& text)> AskFindText;

    // The table from the chosen line of the box.
    void SetValues();
    void ValuesChange();
    void CopyClick();
    // Find asks every time; Find next only while there is no search text.
    void Find1Click(bool alwaysAsk);
    void AddClick();
    void HelpClick();

    TExcelGrid2& Grid() const { return *m_grid; }
    TTourComboBox& TourCB() const { return *m_tourCB; }
    QMenu& PopupMenu1() const { return *m_popupMenu1; }
    QToolButton* ToolButton(int image) const;
    const std::string& FindText() const { return m_findText; }

protected:
    // Closing, however it happens, keeps the chosen line.
    void done(int result) override;

private:
    void CreateControls(const TImageList& images);
    void CreateMenu();
    void WireControls();
    void GridCellColor(TColor& color, bool& change, int32_t x, int32_t y);

    TProgram& m_program;
    TExcelGrid2* m_grid = nullptr;
    TTourComboBox* m_tourCB = nullptr;
    QMenu* m_popupMenu1 = nullptr;
    std::vector<QToolButton*> m_buttons;
    std::string m_findText;
    std::vector<TConcertRow> m_rows;
    std::vector<bool> m_owned; // per row: the current list has the concert
};

// Opens the window modally over `parent` for the program's current list.
void ShowConcertsForm(QWidget* parent, TProgram& program, const TImageList& images,
                      const std::function<void()>& refreshMainWindow);
