#pragma once

#include "program/MessageKinds.h"

#include <QDialog>

#include <array>
#include <string>

class QPushButton;
class TRichLabel;

// The caption of a message kind: "Warning", "Error", "Information",
// "Confirmation", or "Message" for any other kind.
const char* MessageCaption(Msg::TKind kind);

// The modal box behind every question and error: a markup text and a chosen
// set of buttons, sized to the text.
class TMessageForm : public QDialog {
    Q_OBJECT

public:
    // Button tags: their place in the row, left to right.
    enum TTag { tagOk = 1, tagYes, tagYesToAll, tagNo, tagCancel, tagHelp };

    explicit TMessageForm(QWidget* parent = nullptr);

    void SetKind(Msg::TKind kind);
    void SetMessage(const std::string& text, Msg::TAlign alignment);
    void SetButtons(Msg::TButtons buttons);
    // Sizes the window around the measured text and lines up the buttons.
    void Arrange();

    TRichLabel* MsgRL() const { return m_msgRL; }
    QPushButton* Button(int tag) const;
    QPushButton* EscapeButton() const { return m_escape; }
    QPushButton* DefaultButton() const { return m_default; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    TRichLabel* m_msgRL = nullptr;
    std::array<QPushButton*, 6> m_buttons{};
    std::array<bool, 6> m_chosen{};
    QPushButton* m_escape = nullptr;
    QPushButton* m_default = nullptr;
};

// Shows the message modally and returns the modal result: 1 OK, 2 Cancel
// (also the close box), 6 Yes, 7 No, 10 Yes to all.
int ShowMessageDialog(QWidget* parent, const std::string& text, Msg::TKind kind, Msg::TButtons buttons,
                      Msg::TAlign alignment);
