#include "ListWindows.h"

#include "ui/dialogs/Compare.h"
#include "ui/dialogs/ConcertList.h"
#include "ui/main/MainForm.h"

bool HasListWindow(TActionId window) {
    return window == TActionId::cmCompare || window == TActionId::cmConcerts;
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
    default:
        break;
    }
}
