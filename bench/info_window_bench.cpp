// The information window with a 16 MB text on one line, against the same
// bytes in lines of 80: the time to open it (text set, shown, first paint)
// and the processor time it takes while it sits idle for two seconds with
// the caret blinking. Run under a display (xvfb-run) or offscreen.

#include "program/WindowPlacement.h"
#include "ui/dialogs/InfoForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>

#include <sys/resource.h>

#include <cstdio>
#include <string>

namespace {

double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct TMeasure {
    double OpenMs = 0;
    double IdlePercent = 0;
};

TMeasure Measure(const std::string& text) {
    TWindowPlacement placement{1, 50, 50, 674, 681};
    TInfoForm form(placement, nullptr);
    QElapsedTimer clock;
    clock.start();
    form.SetText(text);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        std::fprintf(stderr, "the window was not shown\n");
    form.activateWindow();
    form.Memo().setFocus();
    form.Memo().repaint();
    TMeasure measure;
    measure.OpenMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    QTest::qWait(300); // the first layout settles
    const double before = ProcessorSeconds();
    QTest::qWait(2000);
    measure.IdlePercent = (ProcessorSeconds() - before) / 2.0 * 100;
    form.done(2);
    return measure;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    constexpr size_t kBytes = 16u << 20;
    std::string lines;
    lines.reserve(kBytes);
    while (lines.size() + 80 <= kBytes)
        lines += std::string(78, 'a' + static_cast<char>(lines.size() / 80 % 26)) + "\r\n";
    const std::string oneLine(lines.size(), 'x');
    const TMeasure baseline = Measure(lines);
    const TMeasure single = Measure(oneLine);
    std::printf("16 MB in lines of 80: open %.0f ms, idle %.1f%% of a core\n", baseline.OpenMs, baseline.IdlePercent);
    std::printf("16 MB on one line:    open %.0f ms, idle %.1f%% of a core\n", single.OpenMs, single.IdlePercent);
    std::printf("ratio one line / lines: open %.2f\n", single.OpenMs / baseline.OpenMs);
    return 0;
}
