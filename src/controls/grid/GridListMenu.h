#pragma once

#include <QMenu>

#include <memory>

class IGridItemPainter;
class QProxyStyle;

// The popup menu of menu cells: `count` items of one size, drawn by
// `painter`; rebuilt each time it opens. A picked item arrives as the
// menu's triggered signal, its number in the action's data.
class TGridListMenu : public QMenu {
    Q_OBJECT

public:
    TGridListMenu(QWidget* parent, IGridItemPainter& painter);
    ~TGridListMenu() override;

    void Rebuild(int count, const QSize& itemSize);
    QSize ItemSize() const { return m_itemSize; }
    // The item with number `index`, or none.
    QAction* Item(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    IGridItemPainter& m_painter;
    QSize m_itemSize;
    std::unique_ptr<QProxyStyle> m_style;
};
