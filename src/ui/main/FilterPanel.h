#pragma once

#include "program/FilterSelection.h"

#include <QWidget>

#include <string>
#include <vector>

class QListWidget;

// The left panel of the main window: three multi-select lists (bands and
// tours, sources, media) that filter the list view. Every click reports
// Changed(); setting lines or selections from the program does not. The
// panel's right edge can be dragged to change its width.
class TFilterPanel : public QWidget {
    Q_OBJECT

public:
    explicit TFilterPanel(QWidget* parent = nullptr);

    // Band lines start with "$f01" (the "all" line and bands) or "$f02" (tours).
    void SetLines(const std::vector<std::string>& bands, const std::vector<std::string>& sources,
                  const std::vector<std::string>& media);
    void SetSelection(const TFilterSelection& selection);
    TFilterSelection Selection() const;
    // Selects every line of the list that has the focus; false when none has it.
    bool SelectAllInFocusedList();

    // A width for the panel as near to `wanted` as the window's width
    // `room` allows, leaving room for the list beside it.
    static int FittedWidth(int wanted, int room);

    QListWidget* TourLB() const { return m_tourLB; }
    QListWidget* SourceLB() const { return m_sourceLB; }
    QListWidget* MediaLB() const { return m_mediaLB; }

signals:
    void Changed();
    // The user dragged the edge to a new width.
    void WidthDragged(int width);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // A list of `lines` whole lines; 0 for the one that takes the rest of the height.
    QListWidget* AddList(const char* caption, int lines);
    bool NearEdge(int x) const;

    QListWidget* m_tourLB = nullptr;
    QListWidget* m_sourceLB = nullptr;
    QListWidget* m_mediaLB = nullptr;
    bool m_resizing = false;
};
