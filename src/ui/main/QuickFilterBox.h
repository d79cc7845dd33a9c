#pragma once

#include <QLineEdit>

#include <functional>
#include <string>

// The quick filter box beside the title bar: every change of its text is
// reported at once, as bytes; Esc clears it (and, when it is already empty,
// hands the keyboard back, as Enter and Down do).
class TQuickFilterBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TQuickFilterBox(QWidget* parent = nullptr);
    // Shows the text of the list now shown; reports nothing.
    void ShowText(const std::string& bytes);

    std::function<void(const std::string& bytes)> OnTextTyped;
    std::function<void()> OnLeave;
    // The box got the keyboard: typing is about to start.
    std::function<void()> OnFocus;

    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};
