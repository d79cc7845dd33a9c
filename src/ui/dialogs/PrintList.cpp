#include "ui/dialogs/PrintList.h"

#include "core/ListCaption.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "program/Program.h"
#include "ui/dialogs/ListPrintout.h"

#include <QEventLoop>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>

#include <thread>

namespace {

TListPrintout MakePrintout(TProgram& program, const TProject& list, const TStrings2& names) {
    const std::string caption = ListCaption(list.FileName);
    return TListPrintout({list.Data, list.View, program.Filter.Bands, names},
                         {program.ExportParams[0], program.ExportParams[1]}, caption.empty() ? "Untitled" : caption);
}

} // namespace

void PreviewAndPrintList(QWidget* parent, TProgram& program, const TStrings2& names) {
    const TProject* list = program.CurrentList();
    if (!list)
        return;
    TListPrintout printout = MakePrintout(program, *list, names);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QString::fromStdString(ListCaption(list->FileName)));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Print"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&printout](QPrinter* target) { printout.Paint(*target); });
    preview.resize(parent ? parent->size() * 9 / 10 : QSize(1000, 700));
    preview.exec();
}

void ExportListToPdf(QWidget* parent, TProgram& program, IProgramHost& host, const TStrings2& names) {
    const TProject* list = program.CurrentList();
    if (!list)
        return;
    TFileDialog dialog;
    dialog.Title = "Export to PDF";
    dialog.Filter = "PDF file (*.pdf)|*.pdf";
    dialog.DefaultExt = "pdf";
    dialog.OverwritePrompt = true;
    dialog.InitialDir = program.ListsDir;
    dialog.FileName = program.PdfFile;
    if (!host.RunSaveDialog(dialog))
        return;
    program.PdfFile = dialog.FileName;

    TListPrintout printout = MakePrintout(program, *list, names);
    QProgressDialog progress(QStringLiteral("Writing the PDF..."), QString(), 0, 0, parent);
    progress.setWindowTitle(QStringLiteral("Export to PDF"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    QEventLoop wait;
    std::string error;
    bool written = false;
    // The printout holds copies of the texts, so the list may go on being shown meanwhile.
    std::thread writer([&] {
        std::string bytes;
        written = PrintoutPdf(printout, bytes, error) && WriteFileAtomically(dialog.FileName, bytes, error);
        QMetaObject::invokeMethod(&wait, "quit", Qt::QueuedConnection);
    });
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    writer.join();
    progress.reset();
    if (!written)
        host.ShowMsg("The PDF could not be written:||" + MarkupLiteral(dialog.FileName) + "||" +
                         MarkupLiteral(AsSentence(error)) + "||A file of that name on the disk was left as it was.",
                     Msg::Error, Msg::Ok, Msg::Centre);
}
