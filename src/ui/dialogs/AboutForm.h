#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QTimer;
class TRichLabel;

// The title card, also the splash screen at start. Any key or click closes
// it, except a click on the hub line, which opens its address.
class TAboutForm : public QDialog {
    Q_OBJECT

public:
    // An empty address shows no "info:" line and opens nothing.
    explicit TAboutForm(QWidget* parent = nullptr, const std::string& hubAddress = std::string());

    // As a splash: closes itself after 1000 ms.
    void StartTimer();
    QTimer* Timer1() const { return m_timer1; }
    TRichLabel* HubRL() const { return m_hubRL; }

    // How the hub address is opened; the desktop shell by default.
    std::function<void(QWidget*, const std::string&)> OpenAddress;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TRichLabel* m_hubRL = nullptr;
    QTimer* m_timer1 = nullptr;
    std::string m_hubAddress;
};

// Shows the about box modally; at start-up it closes itself after a second.
void ShowAboutBox(QWidget* parent, bool atStart);
// Test hook: while suppressed the box is not shown.
void SuppressAboutBox(bool suppress);
