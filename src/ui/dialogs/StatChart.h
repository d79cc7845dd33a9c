#pragma once

#include "program/ListStatistics.h"

#include <QWidget>

// One table of the statistics as horizontal bars, a row each: the label,
// the bar and the count. Drawn in vectors and text at every paint, so it is
// sharp at any scale; as tall as its rows need.
class TStatChart : public QWidget {
public:
    explicit TStatChart(QWidget* parent = nullptr);

    void SetTable(const TStatTable& table);
    int RowHeight() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TStatTable m_table;
    int64_t m_largest = 0;
};
