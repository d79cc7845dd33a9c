// The coverage and statistics windows offscreen over the real main window:
// a 100,000-bootleg list and about 100,000 known concerts. Opening each,
// with the paint that follows, beside its bare count on the same data.

#include "BigWindow.h"
#include "CoverageTours.h"
#include "RatioReporter.h"

#include "program/ListStatistics.h"
#include "program/TourCoverage.h"
#include "ui/dialogs/CoverageForm.h"
#include "ui/dialogs/StatisticsForm.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr size_t kListSize = 100000;

class TCoverageHome {
public:
    TCoverageHome() {
        const QString home = m_dir.path();
        QDir().mkpath(home + "/Tours");
        TProject list;
        list.FileName = (home + "/big.kvu").toStdString();
        list.Data = GenerateCollection(kListSize);
        list.Save();
        for (const TBand& band : GenerateTours(list.Data)) {
            std::string text;
            for (const TTour& tour : band.Tours) {
                text += "|||||" + tour.Name + "||\r\n";
                for (const TConcert& c : tour.Concerts)
                    text += c.Date + "|" + c.Extra + "|" + c.City + "|" + c.Country + "|" + c.Venue + "\r\n";
            }
            QFile file(home + "/Tours/" + QString::fromStdString(band.Name) + ".txt");
            file.open(QIODevice::WriteOnly);
            file.write(text.data(), qint64(text.size()));
        }
        Window = MakeBenchWindow(m_settings, home.toStdString());
        Window->Program().OpenList(list.FileName);
        Settle(*Window);
    }

    static void Settle(QWidget& window) {
        window.repaint();
        QCoreApplication::processEvents();
    }

    std::unique_ptr<TMainForm> Window;

private:
    QTemporaryDir m_dir;
    TMemorySettingsStore m_settings;
};

TCoverageHome& Home() {
    static TCoverageHome home;
    return home;
}

TProgram& Program() {
    return Home().Window->Program();
}

void BM_CoverageCount(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(TourCoverage(Program().Filter.Bands, Program().CurrentList()->Data).size());
}
BENCHMARK(BM_CoverageCount)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", MinOfRuns);

void BM_OpenCoverageWindow(benchmark::State& state) {
    for (auto _ : state) {
        TCoverageForm form(Program(), *Home().Window, Home().Window.get());
        form.show();
        TCoverageHome::Settle(form);
    }
}
BENCHMARK(BM_OpenCoverageWindow)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", MinOfRuns);

void BM_StatisticsCount(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ListStatistics(Program().CurrentList()->Data, nullptr).Total);
}
BENCHMARK(BM_StatisticsCount)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", MinOfRuns);

void BM_OpenStatisticsWindow(benchmark::State& state) {
    for (auto _ : state) {
        TStatisticsForm form(Program(), Home().Window.get());
        form.show();
        TCoverageHome::Settle(form);
    }
}
BENCHMARK(BM_OpenStatisticsWindow)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", MinOfRuns);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Home();
    TRatioReporter reporter(
        {{"BM_OpenCoverageWindow", "BM_CoverageCount"}, {"BM_OpenStatisticsWindow", "BM_StatisticsCount"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    Home().Window.reset();
    return 0;
}
