#include "ListWindows.h"

#include "ui/dialogs/Compare.h"
#include "ui/main/MainForm.h"

bool HasListWindow(TActionId window) {
    return window == TActionId::cmCompare;
}

void RunListWindow(TMainForm& form, int, TActionId window) {
    switch (window) {
    case TActionId::cmCompare: {
        TCompareForm compare(form.Program(), form, &form);
        compare.exec();
        break;
    }
    default:
        break;
    }
}
