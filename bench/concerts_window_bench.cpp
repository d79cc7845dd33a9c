// The concerts window offscreen over 200 tour files of 500 concerts each
// (100,000 concerts): opening it on all concerts, refilling on a change of
// the band-and-tour choice and a find that looks at every row, each with
// the repaint that follows. Each prints its ratio to a bare baseline of the
// same run: copying every concert text into strings (open and refill) and
// a plain substring scan over them (find).

#include "controls/bitmaps/ImageList.h"
#include "controls/grid/ExcelGrid2.h"
#include "platform/SettingsStore.h"
#include "program/ConcertTable.h"
#include "ui/dialogs/ConcertsForm.h"
#include "ui/dialogs/TourLine.h"
#include "ui/main/MainForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

constexpr int kBands = 200;
constexpr int kTours = 5;
constexpr int kConcertsPerTour = 100;

using TClock = std::chrono::steady_clock;

double Seconds(TClock::time_point since) {
    return std::chrono::duration<double>(TClock::now() - since).count();
}

class TBigTours {
public:
    TBigTours() {
        const QString home = m_dir.path();
        QDir().mkpath(home + "/Tours");
        for (int b = 0; b < kBands; ++b) {
            QByteArray text;
            for (int t = 0; t < kTours; ++t) {
                text += QStringLiteral("|||||Tour %1|%2.01.01|%2.12.31\r\n").arg(t).arg(1980 + t).toUtf8();
                for (int c = 0; c < kConcertsPerTour; ++c)
                    text += QStringLiteral("%1.%2.%3|Sat|City number %4|Country %5|The venue of concert %6\r\n")
                                .arg(1980 + t)
                                .arg(1 + c % 12, 2, 10, QLatin1Char('0'))
                                .arg(1 + c % 28, 2, 10, QLatin1Char('0'))
                                .arg(c)
                                .arg(b % 40)
                                .arg(b * 1000 + t * 100 + c)
                                .toUtf8();
            }
            QFile file(home + QStringLiteral("/Tours/Band %1.txt").arg(b, 3, 10, QLatin1Char('0')));
            file.open(QIODevice::WriteOnly);
            file.write(text);
        }
        const std::string base = home.toStdString() + "/";
        TMainFormOptions options;
        options.AboutAtStart = false;
        options.ReopenRecent = false;
        Main = std::make_unique<TMainForm>(m_settings, MakeProgramFolders(base + "korvalen", base),
                                           std::vector<std::string>{}, options);
        Main->show();
        if (!QTest::qWaitForWindowExposed(Main.get()))
            std::fprintf(stderr, "the window was not exposed\n");
        Main->Program().OpenList("");
    }

    std::unique_ptr<TConcertsForm> OpenForm() {
        auto form = std::make_unique<TConcertsForm>(Main->Program(), m_images, Main.get());
        form->show();
        Settle(*form);
        return form;
    }

    static void Settle(QWidget& window) {
        window.repaint();
        QCoreApplication::processEvents();
    }

    std::unique_ptr<TMainForm> Main;

private:
    QTemporaryDir m_dir;
    TMemorySettingsStore m_settings;
    TImageList m_images;
};

TBigTours& Big() {
    static TBigTours tours;
    return tours;
}

// The best of five runs of `visit` over every text of every concert, each
// run after `begin`.
template <typename Begin, typename Visit> double BestOverAllTexts(Begin begin, Visit visit) {
    const std::vector<TBand>& bands = Big().Main->Program().Filter.Bands;
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        begin();
        const TClock::time_point start = TClock::now();
        for (const TBand& band : bands)
            for (const TTour& tour : band.Tours)
                for (const TConcert& c : tour.Concerts)
                    for (const std::string* text : {&band.Name, &c.Date, &c.City, &c.Country, &c.Venue})
                        visit(*text);
        best = std::min(best, Seconds(start));
    }
    return best;
}

// The least a fill can do: every text of every concert copied once.
double BareCopySeconds() {
    static const double seconds = [] {
        std::vector<std::string> texts;
        const double best = BestOverAllTexts(
            [&] {
                texts = std::vector<std::string>();
                texts.reserve(kBands * kTours * kConcertsPerTour * kConcertColumns);
            },
            [&](const std::string& text) { texts.push_back(text); });
        benchmark::DoNotOptimize(texts.data());
        return best;
    }();
    return seconds;
}

// The least a search can do: a plain substring scan over every text.
double BareScanSeconds() {
    static const double seconds = [] {
        size_t hits = 0;
        const double best = BestOverAllTexts(
            [] {}, [&](const std::string& text) { hits += text.find("NOWHERE") != std::string::npos; });
        benchmark::DoNotOptimize(hits);
        return best;
    }();
    return seconds;
}

void Report(benchmark::State& state, double seconds, double baseline) {
    const double each = seconds / static_cast<double>(state.iterations());
    state.counters["ms"] = each * 1000;
    state.counters["x_baseline"] = each / baseline;
}

void BM_BareCopy(benchmark::State& state) {
    for (auto _ : state)
        state.SetIterationTime(BareCopySeconds());
    state.counters["ms"] = BareCopySeconds() * 1000;
}

void BM_BareScan(benchmark::State& state) {
    for (auto _ : state)
        state.SetIterationTime(BareScanSeconds());
    state.counters["ms"] = BareScanSeconds() * 1000;
}

void BM_OpenOnAllConcerts(benchmark::State& state) {
    TBigTours& big = Big();
    big.Main->Program().ConcListIndex = 0;
    const double baseline = BareCopySeconds();
    double seconds = 0;
    int32_t rows = 0;
    for (auto _ : state) {
        const TClock::time_point start = TClock::now();
        std::unique_ptr<TConcertsForm> form = big.OpenForm();
        rows = form->Grid().CountRows();
        form.reset();
        seconds += Seconds(start);
    }
    state.counters["rows"] = rows;
    Report(state, seconds, baseline);
}

// From one band (500 rows) to every band (100,000 rows), the costlier way;
// the way back is not timed.
void BM_ChangeOfChoice(benchmark::State& state) {
    TBigTours& big = Big();
    std::unique_ptr<TConcertsForm> form = big.OpenForm();
    const double baseline = BareCopySeconds();
    double seconds = 0;
    for (auto _ : state) {
        form->TourCB().setCurrentIndex(1);
        TBigTours::Settle(*form);
        const TClock::time_point start = TClock::now();
        form->TourCB().setCurrentIndex(0);
        TBigTours::Settle(*form);
        seconds += Seconds(start);
    }
    state.counters["rows"] = form->Grid().CountRows();
    Report(state, seconds, baseline);
}

void BM_FindOverAllRows(benchmark::State& state) {
    TBigTours& big = Big();
    big.Main->Program().ConcListIndex = 0;
    std::unique_ptr<TConcertsForm> form = big.OpenForm();
    form->AskFindText = [](std::string& text) {
        text = "nowhere";
        return true;
    };
    form->Find1Click(true);
    const double baseline = BareScanSeconds();
    double seconds = 0;
    for (auto _ : state) {
        const TClock::time_point start = TClock::now();
        form->Find1Click(false);
        TBigTours::Settle(*form);
        seconds += Seconds(start);
    }
    state.counters["rows"] = form->Grid().CountRows();
    Report(state, seconds, baseline);
}

BENCHMARK(BM_BareCopy)->UseManualTime()->Iterations(1);
BENCHMARK(BM_BareScan)->UseManualTime()->Iterations(1);
BENCHMARK(BM_OpenOnAllConcerts)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ChangeOfChoice)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_FindOverAllRows)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Big().Main.reset();
    return 0;
}
