#pragma once

#include "program/TitleBar.h"

#include <QWidget>

#include <string>
#include <vector>

class TProject;

// The bar above the list grid: the list's name and its counts, drawn as
// markup in the caption colours.
class TTitlePaintBox : public QWidget {
    Q_OBJECT

public:
    explicit TTitlePaintBox(QWidget* parent = nullptr);
    // The list whose counts are shown, as counted when its view was last
    // built: the bar shows them until the next call. Null draws nothing.
    // Repaints.
    void SetList(const TProject* list);

    struct TDrawnText {
        std::string Text;
        int Left = 0;
        int Right = 0;
    };
    // The bar's line for screen readers: its texts whole, without markup codes.
    std::string SpokenText() const;

    // The texts of the last paint, left to right, where they were drawn.
    const std::vector<TDrawnText>& Drawn() const { return m_drawn; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TProject* m_list = nullptr;
    TTitleBarCounts m_counts; // of m_list at SetList
    std::string m_spoken;     // the line readers were last told
    std::vector<TDrawnText> m_drawn;
};
