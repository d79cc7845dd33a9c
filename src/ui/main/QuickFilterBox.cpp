#include "ui/main/QuickFilterBox.h"

#include "controls/markup/TextCodec.h"

#include <QKeyEvent>

namespace {

// As wide as its hint where there is room; in a narrow window the title
// bar's counts come first.
constexpr int kWidth = 260;
constexpr int kNarrowest = 60;
constexpr int kHeight = 20;

} // namespace

TQuickFilterBox::TQuickFilterBox(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("QuickFilter"));
    setPlaceholderText(QStringLiteral("Quick filter (Ctrl+E): words \"phrase\" -not band:x"));
    setToolTip(QStringLiteral("Shows only the bootlegs that show every word typed here.\n"
                              "\"two words\" is a phrase, -word hides the bootlegs that show it,\n"
                              "band:word (date:, city:, country:, venue:, name:, source:, media:,\n"
                              "quality:, num:, comment:) looks in one column. Esc clears it."));
    setClearButtonEnabled(true);
    setFixedHeight(kHeight);
    setMinimumWidth(kNarrowest);
    setMaximumWidth(kWidth);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (OnTextTyped)
            OnTextTyped(QStringToBytes(text));
    });
}

QSize TQuickFilterBox::sizeHint() const {
    return {kWidth, kHeight};
}

void TQuickFilterBox::ShowText(const std::string& bytes) {
    const QString shown = BytesToQString(bytes);
    if (shown == text())
        return;
    const QSignalBlocker quiet(this);
    setText(shown);
}

void TQuickFilterBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (OnFocus)
        OnFocus();
}

void TQuickFilterBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape && !text().isEmpty()) {
        clear();
        return;
    }
    if ((key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down) &&
        event->modifiers() == Qt::NoModifier) {
        if (OnLeave)
            OnLeave();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
