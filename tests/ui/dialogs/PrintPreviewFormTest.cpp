// The print preview over 1,000 rows: pages drawn only as they come into
// view, the page keys and box, the zoom, and printing to a file.

#include "ui/dialogs/PrintPreviewForm.h"
#include "ui/dialogs/PreviewPages.h"

#include "support/TempDir.h"

#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class PrintPreviewForm : public ::testing::Test {
protected:
    PrintPreviewForm() : Data(1000), Printout(Input(), {false, false}, "My list") {
        Printer.setOutputFormat(QPrinter::PdfFormat); // no printer is needed
        Printer.setPageOrientation(QPageLayout::Landscape);
        Form = std::make_unique<TPrintPreviewForm>(Printout, Printer);
        Form->resize(900, 700);
        Form->show();
        Form->activateWindow(); // for its shortcuts
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        QApplication::processEvents();
    }
    TExportInput Input() {
        for (size_t i = 0; i < Data.size(); ++i) {
            Data[i].Band = "Can";
            Data[i].Name = "Night " + std::to_string(i);
            View.push_back(static_cast<int32_t>(i));
        }
        return {Data, View, Bands, Names};
    }
    void Key(int key) {
        QTest::keyClick(&Form->Pages(), Qt::Key(key));
        QApplication::processEvents();
    }
    int Page() const { return Form->PageBox().value(); }

    TArrayOfBootData Data;
    std::vector<int32_t> View;
    std::vector<TBand> Bands;
    TStrings2 Names;
    TListPrintout Printout;
    QPrinter Printer{QPrinter::HighResolution};
    std::unique_ptr<TPrintPreviewForm> Form;
};

} // namespace

TEST_F(PrintPreviewForm, OpensOnTheFirstPageAndDrawsOnlyThePagesInView) {
    const int pages = Form->PageBox().maximum();
    ASSERT_GT(pages, 20);
    EXPECT_EQ(Page(), 1);
    EXPECT_GT(Form->Pages().PagesDrawn(), 0);
    EXPECT_LE(Form->Pages().PagesDrawn(), 2);
    Key(Qt::Key_End);
    EXPECT_EQ(Page(), pages);
    EXPECT_LE(Form->Pages().PagesDrawn(), 4);

    // The wheel with Ctrl zooms, alone it scrolls.
    const int zoom = Form->Pages().View().ZoomPercent();
    const int scrolled = Form->Pages().verticalScrollBar()->value();
    for (Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ControlModifier}) {
        QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, 120), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(Form->Pages().viewport(), &wheel);
        EXPECT_EQ(Form->Pages().View().ZoomPercent() > zoom, modifiers == Qt::ControlModifier);
        if (modifiers == Qt::NoModifier) {
            EXPECT_LT(Form->Pages().verticalScrollBar()->value(), scrolled);
        }
    }
    for (const QPushButton* fit : Form->findChildren<QPushButton*>()) { // a zoom of one's own fits nothing
        if (fit->text().startsWith(QStringLiteral("Fit"))) {
            EXPECT_FALSE(fit->isChecked()) << fit->text().toStdString();
        }
    }
}

TEST_F(PrintPreviewForm, PrintAsksForThePrinterPrintsEveryPageAndCloses) {
    TTempDir dir;
    bool asked = false;
    Form->AskPrinter = [&](QPrinter&) {
        asked = true;
        return false;
    };
    Form->PrintClick();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(Form->isVisible()) << "a cancelled print keeps the preview";

    const std::string file = dir.File("printed.pdf");
    Form->AskPrinter = [&](QPrinter& printer) {
        printer.setOutputFileName(QString::fromStdString(file));
        return true;
    };
    QTest::keyClick(Form.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(Form->result(), QDialog::Accepted);
    EXPECT_GT(std::filesystem::file_size(file), 10000u);
    EXPECT_EQ(Printout.PageCount(), static_cast<size_t>(Form->PageBox().maximum()));

    bool exported = false;
    Form->ExportPdf = [&] { exported = true; };
    Form->PdfButton().click();
    EXPECT_TRUE(exported);
}
