#pragma once

#include "ui/dialogs/ListPrintout.h"

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QPrinter;
class QPushButton;
class QSpinBox;
class QToolButton;
class TPreviewPages;

// The pages of a printout as they will print, before printing: laid out for
// the printer at once (so the page count is known) and drawn as they come
// into view. Print... asks for the printer and prints; Export to PDF...
// hands over to the PDF export.
class TPrintPreviewForm : public QDialog {
    Q_OBJECT

public:
    TPrintPreviewForm(TListPrintout& printout, QPrinter& printer, QWidget* parent = nullptr);
    // With the pages laid out for `printer` already, as a long list's are away from the window.
    TPrintPreviewForm(TListPrintout& printout, QPrinter& printer, TPrintoutPages layout, QWidget* parent = nullptr);

    // Asks where and how to print; unset, the system's print dialog does.
    std::function<bool(QPrinter& printer)> AskPrinter;
    std::function<void()> ExportPdf;
    // Tells the user that printing failed.
    std::function<void(const std::string& text)> Tell;

    // Asks for the printer, prints every page and closes; stays open when
    // the user cancelled or printing failed.
    void PrintClick();

    TPreviewPages& Pages() const { return *m_pages; }
    QSpinBox& PageBox() const { return *m_pageBox; }
    QLabel& ZoomLabel() const { return *m_zoom; }
    QPushButton& PrintButton() const { return *m_print; }
    QPushButton& PdfButton() const { return *m_pdf; }

private:
    void CreateControls();
    void Wire();
    // Page box, zoom and buttons from the view.
    void ShowState();

    TListPrintout& m_printout;
    QPrinter& m_printer;
    TPrintoutPages m_layout;
    TPreviewPages* m_pages = nullptr;
    QSpinBox* m_pageBox = nullptr;
    QLabel* m_pageCount = nullptr;
    QLabel* m_zoom = nullptr;
    QToolButton* m_first = nullptr;
    QToolButton* m_previous = nullptr;
    QToolButton* m_next = nullptr;
    QToolButton* m_last = nullptr;
    QToolButton* m_zoomOut = nullptr;
    QToolButton* m_zoomIn = nullptr;
    QPushButton* m_fitWidth = nullptr;
    QPushButton* m_fitPage = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_pdf = nullptr;
    QPushButton* m_close = nullptr;
};
