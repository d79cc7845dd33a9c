#pragma once

#include <QDialog>

#include <optional>
#include <string>

class TRichText;

// A note in the tooltip colour with a window's help text; the first key or
// click closes it.
class THelpForm : public QDialog {
    Q_OBJECT

public:
    explicit THelpForm(QWidget* parent = nullptr);

    // The window's outer size; the text grows and shrinks with it.
    void SetOuterSize(int width, int height);
    void SetHelpText(const std::string& text);
    TRichText* HelpRT() const { return m_helpRT; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceText();

    TRichText* m_helpRT = nullptr;
};

void ShowHelpPopup(QWidget* parent, const std::string& text, int width, int height);

// Test hook: while suppressed the pop-up is not shown; the last help asked
// for is kept either way.
struct TShownHelp {
    std::string Text;
    int Width = 0;
    int Height = 0;
};
void SuppressHelpPopups(bool suppress);
std::optional<TShownHelp> LastHelp();
