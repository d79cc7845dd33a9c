#pragma once

#include "core/Strings2.h"

class IProgramHost;
class QWidget;
class TProgram;

// File > Print... and File > Export to PDF... for the current list: its
// visible bootlegs, divided by tours as the export's options say. Printing
// starts from a preview whose pages are drawn as they come into view; the
// PDF is written off the window's thread and replaces its file only when
// whole.

void PreviewAndPrintList(QWidget* parent, TProgram& program, IProgramHost& host, const TStrings2& names);
void ExportListToPdf(QWidget* parent, TProgram& program, IProgramHost& host, const TStrings2& names);
