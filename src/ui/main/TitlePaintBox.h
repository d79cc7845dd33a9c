#pragma once

#include <QWidget>

class TProject;

// The bar above the list grid: the list's name and its counts, drawn as
// markup in the caption colours.
class TTitlePaintBox : public QWidget {
    Q_OBJECT

public:
    explicit TTitlePaintBox(QWidget* parent = nullptr);
    // The list whose counts are shown; null draws nothing. Repaints.
    void SetList(const TProject* list);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TProject* m_list = nullptr;
};
