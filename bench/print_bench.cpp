// Printing 10,000 bootlegs (or as many as the first argument says): the whole PDF, and the program's print preview
// up to its first page shown, against Qt's preview (which paints every page before it shows one), against laying the
// pages out alone and against the text export of the same list, all in the same run.

#include "ListGenerator.h"
#include "platform/ByteStream.h"
#include "program/ExportText.h"
#include "ui/dialogs/ListPrintout.h"
#include "ui/dialogs/PreviewPages.h"
#include "ui/dialogs/PrintPreviewForm.h"

#include <QApplication>
#include <QEventLoop>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numeric>

namespace {

constexpr size_t kDefaultCount = 10000;

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Another count as the first argument, to find where the preview passes a second.
    const size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : kDefaultCount;
    const TArrayOfBootData data = GenerateCollection(count);
    std::vector<int32_t> view(data.size());
    std::iota(view.begin(), view.end(), 0);
    const std::vector<TBand> bands;
    const TStrings2 names = CodeNameStore();
    const TExportInput input{data, view, bands, names};

    std::string error;
    const double text = Seconds([&] {
        TStringSink sink;
        WriteExportText(input, {}, sink, error);
    });
    const double taking = Seconds([&] { TListPrintout printout(input, {true, true}, "Bench"); });
    const double layout = Seconds([&] {
        TListPrintout printout(input, {true, true}, "Bench");
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        printout.Layout(printer);
    });
    const double ownPreview = Seconds([&] {
        TListPrintout printout(input, {true, true}, "Bench");
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        TPrintPreviewForm form(printout, printer);
        QEventLoop shown;
        QObject::connect(&form.Pages(), &TPreviewPages::FirstPageShown, &shown, &QEventLoop::quit);
        form.resize(1000, 700);
        form.show();
        shown.exec();
    });
    std::string pdf;
    size_t pages = 0;
    const double writePdf = Seconds([&] {
        TListPrintout printout(input, {true, true}, "Bench");
        PrintoutPdf(printout, pdf, error);
        pages = printout.PageCount();
    });
    const double preview = Seconds([&] {
        TListPrintout printout(input, {true, true}, "Bench");
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        QPrintPreviewWidget widget(&printer);
        QObject::connect(&widget, &QPrintPreviewWidget::paintRequested, &widget,
                         [&printout](QPrinter* target) { printout.Paint(*target); });
        widget.resize(1000, 700);
        widget.show();
        widget.updatePreview();
        QApplication::processEvents();
    });
    std::printf("%zu bootlegs, %zu pages, %.1f MB of PDF\n", count, pages, static_cast<double>(pdf.size()) / 1e6);
    std::printf("  text export     %8.3f s\n", text);
    std::printf("  texts taken     %8.3f s\n", taking);
    std::printf("  PDF             %8.3f s  %6.1fx the text export (limit 10 s)\n", writePdf, writePdf / text);
    std::printf("  pages laid out  %8.3f s  %6.1fx the text export\n", layout, layout / text);
    std::printf("  Qt's preview    %8.3f s  %6.1fx the text export\n", preview, preview / text);
    std::printf("  own preview     %8.3f s  %6.1fx the text export, %.2fx laying out, %.2fx Qt's preview (limit 1 s)\n",
                ownPreview, ownPreview / text, ownPreview / layout, ownPreview / preview);
    return 0;
}
