// The longest stall of the real main window's event loop (offscreen) while
// each command runs on a generated list of 1,000,000 bootlegs, beside the
// longest gap of the same loop left idle for a second in the same run. A
// timer asks for a tick every millisecond; a gap between two ticks is time
// in which the window could neither paint nor answer a click.
// Run as: window_stall_bench [BOOTLEGS] [sort] (default 1000000; "sort"
// measures only open, the sort and its undo and redo).

#include "BigWindow.h"

#include "controls/grid/ExcelGrid2.h"
#include "program/CompareFormLogic.h"
#include "program/ExportFormLogic.h"
#include "program/Program.h"
#include "ui/dialogs/ImportForm.h"
#include "ui/dialogs/PrintList.h"
#include "ui/main/BackgroundWork.h"
#include "ui/main/ListWindows.h"
#include "ui/main/QuickFilterBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>

namespace {

// The longest time between two ticks of the event loop while it runs.
class TStallMeter {
public:
    TStallMeter() {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Tick(); });
        m_clock.start();
    }
    void Start() {
        m_longest = 0;
        m_last = m_clock.nsecsElapsed();
        m_timer.start();
    }
    double StopMs() {
        Tick();
        m_timer.stop();
        return static_cast<double>(m_longest) / 1e6;
    }

private:
    void Tick() {
        const qint64 now = m_clock.nsecsElapsed();
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
    }
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

// Runs the event loop for `ms`.
void Spin(int ms) {
    QElapsedTimer spin;
    spin.start();
    while (spin.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

struct TFigure {
    const char* Command;
    double StallMs;
    double TotalMs;
};

// `command` started from the event loop, measured until it and the work it
// left running have ended.
TFigure Measure(const char* name, TMainForm& window, TStallMeter& meter, const std::function<void()>& command) {
    bool ran = false;
    QElapsedTimer total;
    meter.Start();
    QTimer::singleShot(0, [&] {
        total.start();
        command();
        ran = true;
    });
    while (!ran || window.Background().Busy())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double totalMs = static_cast<double>(total.nsecsElapsed()) / 1e6;
    Spin(50); // the repaints the command left
    return {name, meter.StopMs(), totalMs};
}

// Calls `act` on the modal window the command opens, once it is up.
void WhenModal(const std::function<void(QWidget&)>& act) {
    QTimer::singleShot(20, [act] {
        if (QWidget* modal = QApplication::activeModalWidget())
            act(*modal);
        else
            WhenModal(act);
    });
}

// The list commands beside open, sort and save: the list functions, export
// in each format, print preview and PDF, and an import of the CSV export,
// as a new list and added to the big one.
void MeasureListCommands(TMainForm& window, TStallMeter& meter, const std::string& folder,
                         std::vector<TFigure>& figures) {
    TProgram& program = window.Program();
    const std::string csv = folder + "/export.csv";
    window.FileDialogHook = [](TFileDialog& dialog, bool) { return !dialog.FileName.empty(); };
    TCompareFormLogic functions(program, window);
    figures.push_back(Measure("compare (duplicates)", window, meter, [&] { functions.Compare({true}, {}); }));
    figures.push_back(Measure("join", window, meter, [&] { functions.Join({true}, {}); }));
    program.Lists.back()->Saved = true; // the joined list goes without a question
    QTabBar& tabs = window.MainTab();
    figures.push_back(Measure("switch to another list", window, meter, [&] { tabs.setCurrentIndex(0); }));
    tabs.setCurrentIndex(1);
    figures.push_back(Measure("close a list", window, meter, [&] { program.CloseList(1); }));
    // Wants of an empty list: every bootleg of the big one.
    program.OpenList("");
    figures.push_back(Measure("wants", window, meter, [&] { functions.Wants({true, true}, {}); }));
    for (int made = 2; made >= 1; --made) {
        program.Lists[static_cast<size_t>(made)]->Saved = true;
        program.CloseList(made);
    }
    window.MainTab().setCurrentIndex(0);
    TExportFormLogic exporter(program, window, window.GridStr());
    const std::pair<const char*, TExportFormat> formats[] = {{"export text", TExportFormat::Text},
                                                             {"export CSV", TExportFormat::Csv},
                                                             {"export web page", TExportFormat::Html}};
    for (const auto& [name, format] : formats) {
        exporter.Format = format;
        program.ExportFile = folder + "/export." + ExportFormatInfo(format).Extension;
        figures.push_back(Measure(name, window, meter, [&] { exporter.Export(); }));
    }
    program.PdfFile = folder + "/export.pdf";
    figures.push_back(
        Measure("export PDF", window, meter, [&] { ExportListToPdf(&window, program, window, window.GridStr()); }));
    figures.push_back(Measure("print preview", window, meter, [&] {
        WhenModal([](QWidget& preview) { preview.close(); });
        PreviewAndPrintList(&window, program, window, window.GridStr());
    }));
    figures.push_back(Measure("import the CSV", window, meter, [&] {
        WhenModal([csv](QWidget& modal) {
            auto& form = static_cast<TImportForm&>(modal);
            form.OpenFile(csv);
            form.accept();
        });
        RunImportWindow(window);
    }));
    program.Lists.back()->Saved = true;
    program.CloseList(1);
    window.MainTab().setCurrentIndex(0);
    figures.push_back(Measure("import added to the list", window, meter, [&] {
        WhenModal([csv](QWidget& modal) {
            auto& form = static_cast<TImportForm&>(modal);
            form.OpenFile(csv);
            form.AddButton().setChecked(true);
            form.accept();
        });
        RunImportWindow(window);
    }));
}

int Report(const std::vector<TFigure>& figures, size_t bootlegs, double idle) {
    std::printf("\nLongest event-loop stall per command, %zu bootlegs (idle loop's longest gap %.2f ms):\n", bootlegs,
                idle);
    std::printf("%-24s %12s %10s %14s\n", "command", "stall ms", "total ms", "stall / idle");
    for (const TFigure& figure : figures)
        std::printf("%-24s %12.1f %10.1f %14.1f\n", figure.Command, figure.StallMs, figure.TotalMs,
                    figure.StallMs / idle);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const size_t bootlegs = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    std::printf("Generating and saving %zu bootlegs...\n", bootlegs);
    TBigWindow big({bootlegs});
    TMainForm& window = *big.Window;
    TStallMeter meter;

    meter.Start();
    Spin(1000);
    const double idle = meter.StopMs();

    std::vector<TFigure> figures;
    window.Program().CloseList(0);
    figures.push_back(Measure("open", window, meter, [&] { window.Program().OpenList(big.Lists[0]); }));
    window.Grid().Col = window.ColMap()[static_cast<size_t>(tcBand)];
    figures.push_back(Measure("sort A-Z on Band", window, meter, [&] { window.Execute({TActionId::cmSortAZ}); }));
    figures.push_back(Measure("undo the sort", window, meter, [&] { window.Execute({TActionId::cmUndo}); }));
    figures.push_back(Measure("redo the sort", window, meter, [&] { window.Execute({TActionId::cmRedo}); }));
    figures.push_back(Measure("sort Z-A on Band", window, meter, [&] { window.Execute({TActionId::cmSortZA}); }));
    const bool sortOnly = argc > 2 && std::strcmp(argv[2], "sort") == 0;
    if (sortOnly)
        return Report(figures, bootlegs, idle);
    // The list as generated, to be put back by "another program" once saved sorted.
    const std::string theirs = big.Folder() + "/theirs.kvu";
    std::filesystem::copy_file(big.Lists[0], theirs);
    figures.push_back(Measure("save", window, meter, [&] { window.Execute({TActionId::cmSave}); }));
    figures.push_back(Measure("read again from the disk", window, meter, [&] {
        std::filesystem::copy_file(theirs, big.Lists[0], std::filesystem::copy_options::overwrite_existing);
        // Read again once the file watch has noticed: the sort steps are gone then.
        while (window.Program().Lists[0]->UndoSteps.CanUndo())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }));
    window.QuickFilterBox().setFocus();
    figures.push_back(
        Measure("quick filter, one key", window, meter, [&] { QTest::keyClick(&window.QuickFilterBox(), Qt::Key_G); }));
    figures.push_back(Measure("quick filter, cleared", window, meter,
                              [&] { QTest::keyClick(&window.QuickFilterBox(), Qt::Key_Backspace); }));
    MeasureListCommands(window, meter, big.Folder(), figures);
    return Report(figures, bootlegs, idle);
}
