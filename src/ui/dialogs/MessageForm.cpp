#include "MessageForm.h"

#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/RichLabel.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

struct TButtonDef {
    Msg::TButtons Bit;
    const char* Caption;
    int Result; // 0: the button closes nothing
};

// In tag order.
constexpr TButtonDef kButtons[6] = {
    {Msg::Ok, "&Ok", Msg::ResultOk},
    {Msg::Yes, "&Yes", Msg::ResultYes},
    {Msg::YesToAll, "Yes to &All", Msg::ResultYesToAll},
    {Msg::No, "&No", Msg::ResultNo},
    {Msg::Cancel, "&Cancel", Msg::ResultCancel},
    {Msg::Help, "&Help", 0},
};

constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonPitch = 80;
constexpr int kButtonsFromBottom = 37;
constexpr int kLabelLeft = 30;
constexpr int kLabelTop = 15;
// The window's outer height is th + 114; the design's frame takes 31 of it.
constexpr int kClientHeightOverText = 114 - 31;

// Tags in the order that picks the Esc and the Enter button.
constexpr int kEscapeOrder[6] = {5, 4, 1, 2, 3, 6};
constexpr int kDefaultOrder[6] = {1, 2, 3, 5, 4, 6};

// The key of the letter after the "&" of a caption, or 0.
int MnemonicKey(const char* caption) {
    const char* mark = std::strchr(caption, '&');
    if (!mark || !std::isalpha(static_cast<unsigned char>(mark[1])))
        return 0;
    return Qt::Key_A + (std::toupper(static_cast<unsigned char>(mark[1])) - 'A');
}

} // namespace

const char* MessageCaption(Msg::TKind kind) {
    switch (kind) {
    case Msg::Warning:
        return "Warning";
    case Msg::Error:
        return "Error";
    case Msg::Information:
        return "Information";
    case Msg::Confirmation:
        return "Confirmation";
    default:
        return "Message";
    }
}

TMessageForm::TMessageForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setFont(MarkupFont("Arial", -11));
    resize(535, 132);

    m_msgRL = new TRichLabel(this);
    m_msgRL->setGeometry(kLabelLeft, kLabelTop, 475, 65);
    m_msgRL->SetColor(QColor(224, 224, 224));
    m_msgRL->SetColorCalculate(true);
    m_msgRL->SetJustified(false);
    m_msgRL->SetVAlignment(taCenter);
    m_msgRL->SetAlignment(taLeftJustify);

    for (int i = 0; i < 6; ++i) {
        auto* button = new QPushButton(QString::fromLatin1(kButtons[i].Caption), this);
        button->setGeometry(0, 95, kButtonWidth, kButtonHeight);
        button->hide();
        int result = kButtons[i].Result;
        if (result != 0)
            connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        m_buttons[static_cast<size_t>(i)] = button;
    }
}

void TMessageForm::SetKind(Msg::TKind kind) {
    setWindowTitle(QString::fromLatin1(MessageCaption(kind)));
}

void TMessageForm::SetMessage(const std::string& text, Msg::TAlign alignment) {
    if (alignment == Msg::Right)
        m_msgRL->SetAlignment(taRightJustify);
    else if (alignment == Msg::Centre)
        m_msgRL->SetAlignment(taCenter);
    else
        m_msgRL->SetAlignment(taLeftJustify);
    m_msgRL->SetCaption(text);
}

void TMessageForm::SetButtons(Msg::TButtons buttons) {
    for (size_t i = 0; i < 6; ++i)
        m_chosen[i] = buttons & kButtons[i].Bit;
}

QPushButton* TMessageForm::Button(int tag) const {
    return tag >= 1 && tag <= 6 ? m_buttons[static_cast<size_t>(tag - 1)] : nullptr;
}

void TMessageForm::Arrange() {
    const int tw = m_msgRL->TextWidth();
    const int th = std::max(0, m_msgRL->TextHeight());
    int n = 0;
    for (bool chosen : m_chosen)
        n += chosen;

    int labelWidth = tw + 12;
    int labelHeight = th + 20;
    int clientWidth = std::max(kButtonPitch * n + 5, labelWidth) + 2 * kLabelLeft;
    int clientHeight = th + kClientHeightOverText;
    // A huge message must not make a window larger than the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QSize room = screen->availableSize() - QSize(6, 31);
        clientWidth = std::min(clientWidth, std::max(room.width(), kButtonPitch * n + 5 + 2 * kLabelLeft));
        clientHeight = std::min(clientHeight, std::max(room.height(), kClientHeightOverText));
        labelHeight = std::min(labelHeight, clientHeight - kLabelTop - kButtonsFromBottom - 11);
    }
    labelWidth = clientWidth - 2 * kLabelLeft;
    m_msgRL->setGeometry(kLabelLeft, kLabelTop, labelWidth, std::max(labelHeight, 20));
    setFixedSize(clientWidth, clientHeight);

    const int x0 = (clientWidth - kButtonWidth * n - 5 * (n - 1)) / 2;
    const int top = clientHeight - kButtonsFromBottom;
    int place = 0;
    for (size_t i = 0; i < 6; ++i) {
        QPushButton* button = m_buttons[i];
        button->setVisible(m_chosen[i]);
        button->setDefault(false);
        if (m_chosen[i])
            button->setGeometry(x0 + kButtonPitch * place++, top, kButtonWidth, kButtonHeight);
    }

    auto firstChosen = [this](const int(&order)[6]) -> QPushButton* {
        for (int tag : order)
            if (m_chosen[static_cast<size_t>(tag - 1)])
                return Button(tag);
        return nullptr;
    };
    m_escape = firstChosen(kEscapeOrder);
    m_default = firstChosen(kDefaultOrder);
    if (m_default) {
        m_default->setDefault(true);
        m_default->setFocus();
    }
}

void TMessageForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_escape)
            m_escape->click();
        else
            done(Msg::ResultCancel); // no button at all: Esc still gets out
        return;
    }
    // As in the desktop's own dialogs, the letter a button underlines
    // presses it, without Alt too ("n" answers No).
    if (!(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) && event->key() >= Qt::Key_A &&
        event->key() <= Qt::Key_Z) {
        for (size_t i = 0; i < 6; ++i) {
            if (m_chosen[i] && MnemonicKey(kButtons[i].Caption) == event->key()) {
                m_buttons[i]->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void TMessageForm::reject() {
    done(Msg::ResultCancel);
}

int ShowMessageDialog(QWidget* parent, const std::string& text, Msg::TKind kind, Msg::TButtons buttons,
                      Msg::TAlign alignment) {
    TMessageForm form(parent);
    form.SetKind(kind);
    form.SetMessage(text, alignment);
    form.SetButtons(buttons);
    form.Arrange();
    return form.exec();
}
