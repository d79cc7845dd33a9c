#pragma once

#include "program/ListStatistics.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class TProgram;
class TStatChart;

// Counts of the current list by year, band, source, media and quality, one
// page each with a bar chart beside its table; the whole list or only the
// bootlegs the filter shows.
class TStatisticsForm : public QDialog {
    Q_OBJECT

public:
    explicit TStatisticsForm(TProgram& program, QWidget* parent = nullptr);

    // Counts again, of the filtered view when `shownOnly`.
    void SetShownOnly(bool shownOnly);
    // The table of the page shown, as tab-separated lines.
    void CopyClick();

    QTabWidget& Pages() const { return *m_pages; }
    QCheckBox& ShownOnly() const { return *m_shownOnly; }
    TStatChart& Chart(int page) const { return *m_charts[size_t(page)]; }
    QTableWidget& Table(int page) const { return *m_tables[size_t(page)]; }
    const TListStatistics& Statistics() const { return m_statistics; }

private:
    void CreateControls();
    void Fill();

    TProgram& m_program;
    QCheckBox* m_shownOnly = nullptr;
    QLabel* m_total = nullptr;
    QPushButton* m_copy = nullptr;
    QTabWidget* m_pages = nullptr;
    std::vector<TStatChart*> m_charts;
    std::vector<QTableWidget*> m_tables;
    TListStatistics m_statistics;
};

void ShowStatisticsForm(QWidget* parent, TProgram& program);
