#include "ListWindows.h"

#include "controls/grid/ExcelGrid2.h"
#include "ui/dialogs/CompareForm.h"
#include "ui/dialogs/ConcertsForm.h"
#include "ui/dialogs/CopyMarkedDialog.h"
#include "ui/dialogs/CoverageForm.h"
#include "ui/dialogs/ExportForm.h"
#include "ui/dialogs/ImportForm.h"
#include "ui/dialogs/PrintList.h"
#include "ui/dialogs/StatisticsForm.h"
#include "ui/main/MainForm.h"

namespace {

// The main window's view anew, its cursor on `row` when there is one.
void ShowMainWindowRow(TMainForm& form, int32_t row) {
    form.SetValues();
    TExcelGrid2& grid = form.Grid();
    if (row >= 1 && row <= grid.CountRows()) {
        grid.Row = row;
        grid.ResetSelection();
        grid.ScrollInView();
        grid.Invalidate();
    }
    grid.setFocus();
}

} // namespace

bool HasListWindow(TActionId window) {
    return window == TActionId::cmCompare || window == TActionId::cmConcerts || window == TActionId::cmExport ||
           window == TActionId::cmCoverage || window == TActionId::cmStatistics || window == TActionId::cmPrint ||
           window == TActionId::cmExportPdf || window == TActionId::cmCopyMarked;
}

void RunListWindow(TMainForm& form, int listIndex, TActionId window) {
    switch (window) {
    case TActionId::cmCompare: {
        TCompareForm compare(form.Program(), form, &form);
        compare.exec();
        break;
    }
    case TActionId::cmConcerts:
        ShowConcertsForm(&form, form.Program(), form.ToolbarImages(), [&form] { form.SetValues(); });
        break;
    case TActionId::cmExport: {
        TExportForm exportForm(&form, form.Program(), form, form.GridStr());
        exportForm.exec();
        break;
    }
    case TActionId::cmCoverage:
        ShowCoverageForm(
            &form, form.Program(), form, [&form] { form.SetValues(); },
            [&form](int32_t row) { ShowMainWindowRow(form, row); });
        break;
    case TActionId::cmStatistics:
        ShowStatisticsForm(&form, form.Program());
        break;
    case TActionId::cmPrint:
        PreviewAndPrintList(&form, form.Program(), form, form.GridStr());
        break;
    case TActionId::cmExportPdf:
        ExportListToPdf(&form, form.Program(), form, form.GridStr());
        break;
    case TActionId::cmCopyMarked:
        AskAndCopyMarked(&form, form.Program(), listIndex, [&form] { form.SetValues(); });
        break;
    default:
        break;
    }
}

void RunImportWindow(TMainForm& form) {
    if (RunImportForm(&form, form.Program(), form, form.GridStr()))
        ShowMainWindowRow(form, 1);
}
