#pragma once

#include "controls/panels/ListBoxMargin.h"
#include "program/ExportFormLogic.h"

#include <QDialog>

class QComboBox;
class QPainter;
class QPushButton;
class TMyListBox;
class TMyPage;
class TMyPanel;
class TMyTab;
class TRichLabel;

// The export window: the property list whose lines above the separator are
// exported, top to bottom, arranged by dragging; the two options; the
// format; the Export button, which may run several times. Ok hands the order and the
// options to the program; any other way of closing drops them.
class TExportForm : public QDialog {
    Q_OBJECT

public:
    TExportForm(QWidget* parent, TProgram& program, IProgramHost& host, const TStrings2& names);
    ~TExportForm() override;

    const TExportFormLogic& Logic() const { return m_logic; }
    TMyPage& Page() const { return *m_page; }
    TMyListBox& PropsLB() const { return *m_propsLB; }
    TMyPanel& ParamsMP() const { return *m_paramsMP; }
    QPushButton& ExportBtn() const { return *m_exportBtn; }
    QComboBox& FormatCB() const { return *m_formatCB; }
    QPushButton& OkButton() const { return *m_button1; }
    QPushButton& CancelButton() const { return *m_button2; }
    QPushButton& HelpBtn() const { return *m_helpBtn; }

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void WireControls();
    void ShowOrder(const std::array<bool, kExportLineCount>& selected);
    void PropsLBDrawItem(int32_t index, const QRect& rect, QPainter& canvas);
    void PropsLBDragDrop(int x, int y);
    // Ctrl+Up and Ctrl+Down: the selected lines one line up or down.
    void StepSelectedLines(bool down);
    std::array<bool, kExportLineCount> SelectedLines() const;
    void ExportBtnClick();
    void HelpBtnClick();
    void TakeOptions();

    TExportFormLogic m_logic;
    IProgramHost& m_host;
    TMyPage* m_page = nullptr;
    TMyTab* m_myTab1 = nullptr;
    TRichLabel* m_richLabel1 = nullptr;
    TRichLabel* m_richLabel2 = nullptr;
    TRichLabel* m_formatLabel = nullptr;
    QComboBox* m_formatCB = nullptr;
    TMyListBox* m_propsLB = nullptr;
    TMyPanel* m_paramsMP = nullptr;
    QPushButton* m_exportBtn = nullptr;
    QPushButton* m_button1 = nullptr;
    QPushButton* m_button2 = nullptr;
    QPushButton* m_helpBtn = nullptr;
};
