#pragma once

#include <QWidget>

// Holds one control and draws a bar of the highlight colour around it while
// the keyboard focus is inside it, so that the focused list or grid stands
// out at a glance.
class TFocusFrame : public QWidget {
    Q_OBJECT

public:
    // Takes `child` into the frame.
    TFocusFrame(QWidget* child, QWidget* parent);

    static constexpr int kWidth = 2;
    // The keyboard focus is in the held control.
    bool Lit() const { return m_lit; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FocusMoved();

    QWidget* m_child;
    bool m_lit = false;
};
