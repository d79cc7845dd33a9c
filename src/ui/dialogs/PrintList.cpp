#include "ui/dialogs/PrintList.h"

#include "controls/markup/MarkupLiteral.h"
#include "core/ListCaption.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "program/Program.h"
#include "ui/dialogs/ListPrintout.h"
#include "ui/dialogs/OffThreadWork.h"
#include "ui/dialogs/PrintPreviewForm.h"

#include <QPrinter>

namespace {

TListPrintout MakePrintout(TProgram& program, const TProject& list, const TStrings2& names) {
    const std::string caption = ListCaption(list.FileName);
    return TListPrintout({list.Data, list.View, program.Filter.Bands, names},
                         {program.ExportParams[0], program.ExportParams[1]}, caption.empty() ? "Untitled" : caption);
}

} // namespace

void PreviewAndPrintList(QWidget* parent, TProgram& program, IProgramHost& host, const TStrings2& names) {
    const TProject* list = program.CurrentList();
    if (!list)
        return;
    TListPrintout printout = MakePrintout(program, *list, names);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QString::fromStdString(ListCaption(list->FileName)));
    TPrintPreviewForm preview(printout, printer, parent);
    preview.ExportPdf = [&] { ExportListToPdf(&preview, program, host, names); };
    preview.Tell = [&host](const std::string& text) { host.ShowMsg(text, Msg::Error, Msg::Ok, Msg::Centre); };
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
    std::string error;
    // The printout holds copies of the texts, so the list may go on being shown meanwhile.
    const bool written =
        RunOffThread(parent, QStringLiteral("Export to PDF"), QStringLiteral("Writing the PDF..."), [&] {
            std::string bytes;
            return PrintoutPdf(printout, bytes, error) && WriteFileAtomically(dialog.FileName, bytes, error);
        });
    if (!written)
        host.ShowMsg("The PDF could not be written:||" + MarkupLiteral(dialog.FileName) + "||" +
                         MarkupLiteral(AsSentence(error)) + "||A file of that name on the disk was left as it was.",
                     Msg::Error, Msg::Ok, Msg::Centre);
}
