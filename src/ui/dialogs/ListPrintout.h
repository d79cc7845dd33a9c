#pragma once

#include "program/PrintLayout.h"

#include <QString>

#include <string>
#include <vector>

class QPagedPaintDevice;

// The visible bootlegs of a list painted on pages: the grid's columns fitted
// to the page width, their captions on every page, the section headings
// when dividing by tours, the list's name and the page in the footer. The
// texts are taken when the printout is made, so painting needs the list no
// more and may run on another thread.
class TListPrintout {
public:
    TListPrintout(const TExportInput& input, const TExportOptions& options, const std::string& title);

    // Lays the pages out for `device` and paints them all; false when the
    // device could not be painted on.
    bool Paint(QPagedPaintDevice& device);
    size_t PageCount() const { return m_plan.PageCount(); }
    const TPrintPlan& Plan() const { return m_plan; }

private:
    TPrintPlan m_plan;
    std::vector<QString> m_cells; // row by row, one per printed line
    std::vector<QString> m_headings;
    QString m_title;
};

// The printout as a landscape A4 PDF document; false with the reason.
bool PrintoutPdf(TListPrintout& printout, std::string& bytes, std::string& error);
