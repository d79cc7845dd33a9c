#pragma once

#include "controls/markup/RichControl.h"

#include <string>
#include <vector>

// A markup text of several lines: the help texts of the windows, usually
// hidden, as the store the help pop-up takes its text from.
class TRichText : public TRichControl {
    Q_OBJECT

public:
    explicit TRichText(QWidget* parent = nullptr);

    const std::vector<std::string>& Text() const { return m_lines; }
    void SetText(const std::vector<std::string>& lines) { Change(m_lines, lines); }
    // The lines joined by line breaks, as the help pop-up takes them.
    std::string JoinedText() const;

protected:
    std::string MarkupText() const override;
    QColor Background() const override { return Color(); }
    QColor BorderShadow() const override { return QColor(128, 128, 128); }
    int Inset() const override { return 7; }

private:
    std::vector<std::string> m_lines;
};

// Splits a text into lines at line feeds and CR LF; a last line break makes
// no empty line.
std::vector<std::string> SplitLines(const std::string& text);
