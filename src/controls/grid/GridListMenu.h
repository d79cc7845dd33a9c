#pragma once

#include <QMenu>

#include <memory>

class QProxyStyle;
class TExcelGrid2;

// The popup menu of menu cells: `count` items of one size, drawn by the
// grid's owner; rebuilt each time it opens.
class TGridListMenu : public QMenu {
    Q_OBJECT

public:
    explicit TGridListMenu(TExcelGrid2& grid);
    ~TGridListMenu() override;

    void Rebuild(int count, const QSize& itemSize);
    QSize ItemSize() const { return m_itemSize; }
    // The item with number `index`, or none.
    QAction* Item(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TExcelGrid2& m_grid;
    QSize m_itemSize;
    std::unique_ptr<QProxyStyle> m_style;
};
