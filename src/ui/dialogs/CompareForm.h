#pragma once

#include "program/CompareFormLogic.h"

#include <QDialog>

#include <vector>

class IProgramHost;
class QPushButton;
class TMyListBox;
class TMyPanel;
class TProgram;
class TRichLabel;
class TRichText;

// The list functions window: the open lists to choose from, the options
// "Source", "Media" and "Loose match", and Compare, Join and Wants. Whatever way it closes, the
// chosen lines and options are kept for the next time.
class TCompareForm : public QDialog {
    Q_OBJECT

public:
    TCompareForm(TProgram& program, IProgramHost& host, QWidget* parent = nullptr);

    TMyListBox* ListLB() const { return m_listLB; }
    TMyPanel* ParamsMP() const { return m_paramsMP; }
    QPushButton* CompareBtn() const { return m_compareBtn; }
    QPushButton* JoinBtn() const { return m_joinBtn; }
    QPushButton* WantsBtn() const { return m_wantsBtn; }
    QPushButton* Button1() const { return m_button1; }
    QPushButton* HelpBtn() const { return m_helpBtn; }
    TRichText* HelpRT() const { return m_helpRT; }

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void WireControls();
    void FormCreate();
    std::vector<bool> Selection() const;
    TMatchOptions Options() const;
    void CompareBtnClick();
    void JoinBtnClick();
    void HelpBtnClick();

    TProgram& m_program;
    TCompareFormLogic m_logic;
    TMyListBox* m_listLB = nullptr;
    TMyPanel* m_paramsMP = nullptr;
    QPushButton* m_compareBtn = nullptr;
    QPushButton* m_joinBtn = nullptr;
    QPushButton* m_wantsBtn = nullptr;
    QPushButton* m_button1 = nullptr;
    QPushButton* m_helpBtn = nullptr;
    TRichText* m_helpRT = nullptr;
    bool m_closed = false;
};
