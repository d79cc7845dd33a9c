#include "ui/dialogs/ListPrintout.h"

#include "controls/markup/TextCodec.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace {

// Only the longest texts of a column are measured: the widest one is among them.
constexpr size_t kMeasuredPerColumn = 48;
constexpr qreal kPointSize = 8;
constexpr qreal kHeadingPointSize = 10;
constexpr qreal kMarginMm = 10;
constexpr int kPdfResolution = 300;

QString CellText(std::string_view bytes) {
    QString text = BytesToQString(std::string(bytes));
    // A row is one line on paper.
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

struct TFonts {
    QFont Cell, Caption, Heading;
    TFonts() : Cell(QStringLiteral("Arial")) {
        Cell.setPointSizeF(kPointSize);
        Caption = Cell;
        Caption.setBold(true);
        Heading = Caption;
        Heading.setPointSizeF(kHeadingPointSize);
    }
};

} // namespace

TListPrintout::TListPrintout(const TExportInput& input, const TExportOptions& options, const std::string& title)
    : m_plan(PlanPrint(input, options)), m_title(CellText(title)) {
    m_cells.reserve(input.View.size() * m_plan.Lines.size());
    for (int32_t index : input.View)
        for (int32_t line : m_plan.Lines)
            m_cells.push_back(CellText(ExportCellText(input.Data[static_cast<size_t>(index)], line, input.Names)));
    for (const std::string& heading : m_plan.Headings)
        m_headings.push_back(CellText(heading));
}

TPrintoutPages TListPrintout::Layout(QPaintDevice& device) const {
    const TFonts fonts;
    const QFontMetricsF cell(fonts.Cell, &device), caption(fonts.Caption, &device), heading(fonts.Heading, &device);
    TPrintoutPages pages;
    pages.Plan = m_plan;
    pages.RowHeight = static_cast<int>(std::ceil(cell.height() * 1.35));
    pages.HeadingHeight = static_cast<int>(std::ceil(heading.height() * 2.0));
    pages.Pad = static_cast<int>(std::ceil(cell.averageCharWidth() * 0.6));
    // Wider than a W by a margin, for letters of other scripts.
    pages.WidestLetter = cell.horizontalAdvance(QLatin1Char('W')) * 1.3;
    pages.PageWidth = device.width();
    pages.PageHeight = device.height();
    const size_t columns = m_plan.Lines.size();
    const size_t rows = columns == 0 ? 0 : m_cells.size() / columns;

    std::vector<int> natural(columns);
    std::vector<std::pair<int, size_t>> longest(rows);
    for (size_t c = 0; c < columns; ++c) {
        qreal widest = caption.horizontalAdvance(BytesToQString(PrintCaption(m_plan.Lines[c])));
        for (size_t r = 0; r < rows; ++r)
            longest[r] = {-static_cast<int>(m_cells[r * columns + c].size()), r};
        const size_t measured = std::min(rows, kMeasuredPerColumn);
        std::partial_sort(longest.begin(), longest.begin() + static_cast<std::ptrdiff_t>(measured), longest.end());
        for (size_t i = 0; i < measured; ++i)
            widest = std::max(widest, cell.horizontalAdvance(m_cells[longest[i].second * columns + c]));
        natural[c] = static_cast<int>(std::ceil(widest)) + 2 * pages.Pad;
    }
    pages.Widths = FitColumnWidths(natural, pages.PageWidth);
    const int footerHeight = pages.RowHeight * 2;
    PaginatePrint(pages.Plan,
                  {pages.PageHeight - pages.RowHeight - footerHeight, pages.RowHeight, pages.HeadingHeight});
    return pages;
}

void TListPrintout::PaintPage(QPainter& painter, const TPrintoutPages& pages, size_t page) const {
    const TFonts fonts;
    QPaintDevice* device = painter.device();
    const QFontMetricsF cell(fonts.Cell, device), caption(fonts.Caption, device), heading(fonts.Heading, device);
    const int rowHeight = pages.RowHeight, headingHeight = pages.HeadingHeight, pad = pages.Pad;
    const int pageWidth = pages.PageWidth, pageHeight = pages.PageHeight;
    const std::vector<int>& widths = pages.Widths;
    const TPrintPlan& plan = pages.Plan;
    const size_t columns = plan.Lines.size();
    const QPen rule(QColor(0x99, 0x99, 0x99), 0);

    // The captions head every page.
    painter.fillRect(QRect(0, 0, pageWidth, rowHeight), QColor(0xE4, 0xE4, 0xE4));
    painter.setPen(Qt::black);
    painter.setFont(fonts.Caption);
    for (size_t c = 0, x = 0; c < columns; x += static_cast<size_t>(widths[c]), ++c)
        painter.drawText(
            QRect(static_cast<int>(x) + pad, 0, widths[c] - 2 * pad, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
            caption.elidedText(BytesToQString(PrintCaption(plan.Lines[c])), Qt::ElideRight, widths[c] - 2 * pad));
    painter.setPen(rule);
    painter.drawLine(0, rowHeight, pageWidth, rowHeight);
    int y = rowHeight;
    for (size_t i = plan.PageStarts[page]; i < plan.PageEnd(page); ++i) {
        const TPrintLine& line = plan.Body[i];
        painter.setPen(Qt::black);
        if (line.Heading) {
            painter.setFont(fonts.Heading);
            painter.drawText(
                QRect(pad, y, pageWidth - 2 * pad, headingHeight), Qt::AlignLeft | Qt::AlignBottom,
                heading.elidedText(m_headings[static_cast<size_t>(line.Index)], Qt::ElideRight, pageWidth - 2 * pad));
            y += headingHeight;
            continue;
        }
        painter.setFont(fonts.Cell);
        const size_t first = static_cast<size_t>(line.Index) * columns;
        const qreal baseline = y + (rowHeight + cell.ascent() - cell.descent()) / 2;
        for (size_t c = 0, x = 0; c < columns; x += static_cast<size_t>(widths[c]), ++c) {
            const QString& text = m_cells[first + c];
            const int room = widths[c] - 2 * pad;
            // Measuring every cell costs more than painting it: a text too
            // short to overflow even in its widest letters is not measured.
            const bool fits = static_cast<qreal>(text.size()) * pages.WidestLetter <= room;
            painter.drawText(QPointF(static_cast<qreal>(x) + pad, baseline),
                             fits ? text : cell.elidedText(text, Qt::ElideRight, room));
        }
        y += rowHeight;
        painter.setPen(rule);
        painter.drawLine(0, y, pageWidth, y);
    }
    painter.setPen(Qt::black);
    painter.setFont(fonts.Cell);
    const std::string footer = PrintPageNumber(page + 1, plan.PageCount());
    painter.drawText(QRect(0, pageHeight - rowHeight, pageWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, m_title);
    painter.drawText(QRect(0, pageHeight - rowHeight, pageWidth, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(footer));
}

bool TListPrintout::Paint(QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    m_printed = Layout(device);
    for (size_t page = 0; page < m_printed.PageCount(); ++page) {
        if (page > 0 && !device.newPage())
            return false;
        PaintPage(painter, m_printed, page);
    }
    return painter.end();
}

bool PrintoutPdf(TListPrintout& printout, std::string& bytes, std::string& error) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                         QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("Korvalen"));
        if (!printout.Paint(writer)) {
            error = "The pages could not be made.";
            return false;
        }
    }
    bytes.assign(buffer.data().constData(), static_cast<size_t>(buffer.data().size()));
    return true;
}
