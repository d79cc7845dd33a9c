#include "ListWindows.h"

#include "ui/dialogs/Compare.h"
#include "ui/dialogs/ConcertList.h"
#include "ui/dialogs/ExportList.h"
#include "ui/dialogs/PrintList.h"
#include "ui/main/MainForm.h"

bool HasListWindow(TActionId window) {
    return window == TActionId::cmCompare || window == TActionId::cmConcerts || window == TActionId::cmExport ||
           window == TActionId::cmPrint || window == TActionId::cmExportPdf;
}

void RunListWindow(TMainForm& form, int, TActionId window) {
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
    case TActionId::cmPrint:
        PreviewAndPrintList(&form, form.Program(), form.GridStr());
        break;
    case TActionId::cmExportPdf:
        ExportListToPdf(&form, form.Program(), form, form.GridStr());
        break;
    default:
        break;
    }
}
