// The coverage and statistics windows over the real main window, its list
// filled by hand.

#include "ui/dialogs/CoverageForm.h"
#include "controls/grid/ExcelGrid2.h"
#include "core/Project.h"
#include "support/ModalWindow.h"
#include "support/TourFiles.h"
#include "ui/dialogs/StatChart.h"
#include "ui/dialogs/StatisticsForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kOwnedMark = QStringLiteral("\u2713");

// Alpha: First (3 concerts, 02.01 owned twice), Second (2 concerts, none
// owned); Beta without tours. The list also has a bootleg of an unknown band.
class CoverageForm : public TTourWindowFixture {
protected:
    void SetUp() override {
        TTourWindowFixture::SetUp();
        for (const auto& [band, date] : std::vector<std::pair<const char*, const char*>>{
                 {"Nobody", "1990.03.01"}, {"Alpha", "1990.02.01"}, {"Alpha", "1989.02.01"}, {"Alpha", "1990.02.01"}}) {
            TBootData& record = List().Data.emplace_back();
            record.Band = band;
            record.Date = date;
            record.Source = 1;
        }
        W->SetValues();
    }
    void TearDown() override {
        Form.reset();
        TTourWindowFixture::TearDown();
    }

    TCoverageForm& Open() {
        Form = std::make_unique<TCoverageForm>(Program(), *W, W);
        Form->RefreshMainWindow = [this] { W->SetValues(); };
        return *Form;
    }

    QTreeWidgetItem* Item(int band, int tour = -1, int concert = -1) {
        QTreeWidgetItem* item = Form->Tree().topLevelItem(band);
        if (item && tour >= 0) {
            item = item->child(tour);
            item->setExpanded(true);
        }
        return item && concert >= 0 ? item->child(concert) : item;
    }
    static std::string Texts(const QTreeWidgetItem* item) {
        QStringList texts;
        for (int c = 0; c < 4; ++c)
            texts << item->text(c);
        return texts.join(QLatin1Char('|')).toStdString();
    }

    std::unique_ptr<TCoverageForm> Form;
};

TEST_F(CoverageForm, AddingAMissingConcertIsOneUndoStepAndMarksIt) {
    Open();
    Form->Tree().setCurrentItem(Item(0, 1, 1));
    const size_t before = List().Data.size();
    Form->AddClick();
    ASSERT_EQ(List().Data.size(), before + 1);
    const TBootData& added = List().Data.back();
    EXPECT_EQ(added.Band + " " + added.Date + " " + added.City + " " + added.Country + " " + added.Venue,
              "Alpha 1991.06.01 Bergen Norway USF");
    EXPECT_FALSE(List().Saved);
    EXPECT_EQ(Texts(Item(0, 1)), "Second|1|2|");
    EXPECT_EQ(Item(0, 1, 1)->text(1), kOwnedMark);
    Form->AddClick(); // already owned: nothing more
    EXPECT_EQ(List().Data.size(), before + 1);
    W->Execute({TActionId::cmUndo});
    EXPECT_EQ(List().Data.size(), before);
}

TEST_F(CoverageForm, OnlyMissingLeavesTheOwnedConcertsOut) {
    Open();
    EXPECT_EQ(Item(0, 0)->childCount(), 3);
    Form->SetOnlyMissing(true);
    ASSERT_EQ(Item(0, 0)->childCount(), 2);
    EXPECT_NE(Item(0, 0, 0)->text(1), kOwnedMark);
    EXPECT_NE(Item(0, 0, 1)->text(1), kOwnedMark);
}

TEST_F(CoverageForm, F9OpensItAndADoubleClickShowsTheBootlegsInTheMainWindow) {
    EXPECT_TRUE(OnModal<TCoverageForm>([&] { QTest::keyClick(W, Qt::Key_F9); },
                                       [&](TCoverageForm& form) {
                                           QTreeWidgetItem* tour = form.Tree().topLevelItem(0)->child(0);
                                           tour->setExpanded(true);
                                           form.ShowBootlegs(tour->child(1)); // missing: stays
                                           EXPECT_TRUE(form.isVisible());
                                           form.ShowBootlegs(tour->child(0));
                                           EXPECT_FALSE(form.isVisible());
                                       }));
    const TFilterState& filter = Program().Filter;
    EXPECT_FALSE(filter.AllBands);
    EXPECT_TRUE(filter.Bands[0].Tours[0].Selected);
    ASSERT_EQ(List().View.size(), 2u); // the two bootlegs of 1990.02.01
    EXPECT_EQ(W->Grid().Row, 1);
    EXPECT_EQ(W->Grid().Cell(2, 1).S, "1990.02.01");
}

TEST_F(CoverageForm, StatisticsCountTheListOrWhatTheFilterShowsAndCopyTheTable) {
    EXPECT_TRUE(OnModal<TStatisticsForm>(
        [&] { W->Action(TActionId::cmStatistics)->trigger(); },
        [&](TStatisticsForm& form) {
            EXPECT_EQ(form.Statistics().Total, 4);
            EXPECT_EQ(form.Table(1).rowCount(), 2); // Alpha, Nobody
            EXPECT_EQ(form.Table(1).item(0, 1)->text(), QStringLiteral("3"));
            EXPECT_GE(form.Chart(1).sizeHint().height(), 2 * form.Chart(1).RowHeight());
            form.Pages().setCurrentIndex(2);
            form.CopyClick();
            EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Source\tBootlegs\r\nSoundboard\t4\r\n"));
        }));
    Program().Filter.SourceSelAll = false; // nothing shown
    W->SetValues();
    TStatisticsForm form(Program(), W);
    form.SetShownOnly(true);
    EXPECT_EQ(form.Statistics().Total, 0);
    form.SetShownOnly(false);
    EXPECT_EQ(form.Statistics().Total, 4);
}

} // namespace
