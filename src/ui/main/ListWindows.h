#pragma once

#include "program/Actions.h"

class TMainForm;

// The windows that the list commands open over the main window: the list
// functions, the export and the concerts windows, modal, freed on closing;
// and the print preview and the PDF export.

// False for a window that this build does not have: its command stays greyed.
bool HasListWindow(TActionId window);
// Opens `window` for list `listIndex` and returns when it has closed.
void RunListWindow(TMainForm& form, int listIndex, TActionId window);
// File > Import trader's list: the import window, then the main window
// showing the list the bootlegs went into.
void RunImportWindow(TMainForm& form);
