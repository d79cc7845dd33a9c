#include "ui/dialogs/PrintList.h"

#include "controls/markup/MarkupLiteral.h"
#include "core/ListCaption.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "program/Program.h"
#include "ui/dialogs/ListPrintout.h"
#include "ui/dialogs/PrintPreviewForm.h"

#include <QPrinter>

#include <memory>

namespace {

std::unique_ptr<TListPrintout> MakePrintout(TProgram& program, const TProject& list, const TStrings2& names) {
    const std::string caption = ListCaption(list.FileName);
    return std::make_unique<TListPrintout>(TExportInput{list.Data, list.View, program.Filter.Bands, names},
                                           TExportOptions{program.ExportParams[0], program.ExportParams[1]},
                                           caption.empty() ? "Untitled" : caption);
}

} // namespace

void PreviewAndPrintList(QWidget* parent, TProgram& program, IProgramHost& host, const TStrings2& names) {
    const TProject* list = program.CurrentList();
    if (!list)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QString::fromStdString(ListCaption(list->FileName)));
    std::unique_ptr<TListPrintout> printout;
    TPrintoutPages layout;
    host.RunAndWait("Preparing the printout", [&] {
        printout = MakePrintout(program, *list, names);
        layout = printout->Layout(printer);
    });
    {
        TPrintPreviewForm preview(*printout, printer, std::move(layout), parent);
        preview.ExportPdf = [&] { ExportListToPdf(&preview, program, host, names); };
        preview.Tell = [&host](const std::string& text) { host.ShowMsg(text, Msg::Error, Msg::Ok, Msg::Centre); };
        preview.exec();
    }
    // A long list's cells take a while to free as well.
    host.RunAndWait("Closing the printout", [&] { printout.reset(); });
}

void ExportListToPdf(QWidget* /*parent: the wait shows in the main window*/, TProgram& program, IProgramHost& host,
                     const TStrings2& names) {
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

    std::string error;
    bool written = false;
    // The printout is made, painted and freed away from the window.
    host.RunAndWait("Writing the PDF", [&] {
        std::string bytes;
        written = PrintoutPdf(*MakePrintout(program, *list, names), bytes, error) &&
                  WriteFileAtomically(dialog.FileName, bytes, error);
    });
    if (!written)
        host.ShowMsg("The PDF could not be written:||" + MarkupLiteral(dialog.FileName) + "||" +
                         MarkupLiteral(AsSentence(error)) + "||A file of that name on the disk was left as it was.",
                     Msg::Error, Msg::Ok, Msg::Centre);
}
