#pragma once

#include "controls/markup/MarkupLinks.h"
#include "program/FirstStart.h"

#include <QWidget>

#include <functional>
#include <vector>

// Where the grid stands while no list is open: how to begin, drawn by the
// markup renderer, with its underlined spans as links. A click on a link,
// or Enter or Space on the link that has the focus (Tab steps through
// them), reports the link.
class TFirstStartPanel : public QWidget {
    Q_OBJECT

public:
    explicit TFirstStartPanel(QWidget* parent = nullptr);

    void SetText(const TFirstStartText& text);
    const TFirstStartText& Text() const { return m_text; }
    std::function<void(TFirstStartLink link)> OnLink;

    // The middle of link `index` as drawn; (-1, -1) for none.
    QPoint LinkCentre(int index);
    int FocusedLink() const { return m_focused; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TRect TextBounds() const;
    // The links' boxes for the present size, measured off screen when needed.
    const std::vector<TLinkBox>& Boxes();
    void Activate(int link);

    TFirstStartText m_text;
    std::vector<TLinkBox> m_boxes;
    bool m_boxesValid = false;
    int m_focused = -1;
};
