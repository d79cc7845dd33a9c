#pragma once

#include "program/TourCoverage.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class IProgramHost;
class QCheckBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TProgram;

// How much of every tour the current list holds: bands, their tours and,
// when a tour is opened, its concerts, the owned ones marked. The missing
// concerts can be copied, written to a file as a wants list, or added to
// the list; an owned one is shown in the main window.
class TCoverageForm : public QDialog {
    Q_OBJECT

public:
    TCoverageForm(TProgram& program, IProgramHost& host, QWidget* parent = nullptr);

    // The main window's refresh after a concert was added (its SetValues).
    std::function<void()> RefreshMainWindow;
    // Refreshes the main window and puts its cursor on `row` (from 1).
    std::function<void(int32_t row)> ShowMainWindowRow;

    void SetOnlyMissing(bool only);
    void CopyClick();
    void AddClick();
    void ExportClick();
    // Shows the bootlegs of an owned concert's line and closes the window.
    void ShowBootlegs(QTreeWidgetItem* item);

    QTreeWidget& Tree() const { return *m_tree; }
    QCheckBox& OnlyMissing() const { return *m_onlyMissing; }
    QPushButton& AddButton() const { return *m_add; }
    const std::vector<TBandCoverage>& Coverage() const { return m_coverage; }

private:
    void CreateControls();
    void WireControls();
    void Fill();
    void FillTour(QTreeWidgetItem* item);
    QTreeWidgetItem* ConcertItem(const TCoverageLine& line);
    void ShowCounts(QTreeWidgetItem* item, int32_t owned, int32_t known);
    void UpdateAfterAdd(const TCoverageLine& line);
    std::vector<TCoverageLine> SelectedLines() const;

    TProgram& m_program;
    IProgramHost& m_host;
    QTreeWidget* m_tree = nullptr;
    QCheckBox* m_onlyMissing = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_export = nullptr;
    std::vector<TBandCoverage> m_coverage;
};

// Opens the window modally over `parent` for the program's current list.
void ShowCoverageForm(QWidget* parent, TProgram& program, IProgramHost& host, const std::function<void()>& refresh,
                      const std::function<void(int32_t row)>& showRow);
