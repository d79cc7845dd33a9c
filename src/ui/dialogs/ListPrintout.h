#pragma once

#include "program/PrintLayout.h"

#include <QString>

#include <string>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// Where everything stands on the pages of one paint device: the pages'
// lines, the fitted column widths and the heights, in the device's units.
struct TPrintoutPages {
    TPrintPlan Plan;
    std::vector<int> Widths;
    int PageWidth = 0; // the printable area
    int PageHeight = 0;
    int RowHeight = 1;
    int HeadingHeight = 1;
    int Pad = 0;
    // Above this width per letter a cell's text may overflow and is measured.
    double WidestLetter = 0;

    size_t PageCount() const { return Plan.PageCount(); }
};

// The visible bootlegs of a list painted on pages: the grid's columns fitted
// to the page width, their captions on every page, the section headings
// when dividing by tours, the list's name and the page in the footer. The
// texts are taken when the printout is made, so painting needs the list no
// more and may run on another thread. Laying out measures the texts once;
// a page is then painted alone, so a preview paints only what it shows.
class TListPrintout {
public:
    TListPrintout(const TExportInput& input, const TExportOptions& options, const std::string& title);

    // The pages as `device` holds them; nothing is painted.
    TPrintoutPages Layout(QPaintDevice& device) const;
    // Page `page` of `pages` from the painter's origin, on a device of the
    // same resolution as the one laid out for (the painter may scale).
    void PaintPage(QPainter& painter, const TPrintoutPages& pages, size_t page) const;

    // Lays the pages out for `device` and paints them all; false when the
    // device could not be painted on.
    bool Paint(QPagedPaintDevice& device);
    // Of the last Paint.
    size_t PageCount() const { return m_printed.PageCount(); }
    const TPrintPlan& Plan() const { return m_printed.Plan; }

private:
    TPrintPlan m_plan;
    TPrintoutPages m_printed;
    std::vector<QString> m_cells; // row by row, one per printed line
    std::vector<QString> m_headings;
    QString m_title;
};

// The printout as a landscape A4 PDF document; false with the reason.
bool PrintoutPdf(TListPrintout& printout, std::string& bytes, std::string& error);
