// The real main window on a copy of the sample home: the filter lists, the
// focus frames, the tabs, the legacy texts and the widths.

#include "ui/main/MainFormFixture.h"

namespace {

using MainForm = TMainFormFixture;

TEST_F(MainForm, FilterListsShowOnlyWholeLinesAtEverySize) {
    OpenList(SampleList());
    const QSize sizes[] = {{kMainWindowSize.Width, kMainWindowSize.Height}, W->minimumSize(), {1200, 800}, {900, 1111}};
    for (QSize size : sizes) {
        for (int grow = 0; grow < 14; ++grow) {
            W->resize(size + QSize(0, grow));
            QApplication::processEvents();
            for (QListWidget* list : {Tours(), Sources(), Media()}) {
                SCOPED_TRACE(std::to_string(W->height()) + " " + list->item(0)->text().toStdString());
                EXPECT_EQ(list->viewport()->height() % 14, 0);
                EXPECT_GE(list->viewport()->height(), 5 * 14);
                const QRect inPanel(list->mapTo(&Panel(), QPoint(0, 0)), list->size());
                EXPECT_TRUE(Panel().rect().contains(inPanel));
            }
        }
    }
    EXPECT_EQ(Sources()->viewport()->height(), 7 * 14);
    EXPECT_EQ(Media()->viewport()->height(), 9 * 14);
}

TEST_F(MainForm, TheFocusedListOrGridIsFramedInTheHighlightColour) {
    OpenList(SampleList());
    const QList<TFocusFrame*> frames = W->findChildren<TFocusFrame*>();
    ASSERT_EQ(frames.size(), 4);
    for (QWidget* focused : std::initializer_list<QWidget*>{Tours(), Sources(), &Grid(), Media()}) {
        Focus(focused);
        QApplication::processEvents();
        for (TFocusFrame* frame : frames) {
            const bool holds = frame->isAncestorOf(focused);
            EXPECT_EQ(frame->Lit(), holds) << focused->metaObject()->className();
            const QImage look = frame->grab().toImage();
            const QColor highlight = frame->palette().color(QPalette::Active, QPalette::Highlight);
            for (QPoint edge : {QPoint(0, look.height() / 2), QPoint(look.width() - 2, look.height() - 1)})
                EXPECT_EQ(look.pixelColor(edge) == highlight, holds);
        }
    }
}

TEST_F(MainForm, CtrlTabStepsThroughTheListsWithTheirCursors) {
    for (int i = 0; i < 3; ++i)
        OpenList(SampleList());
    ASSERT_EQ(W->MainTab().currentIndex(), 2);
    // The selection, with the cursor at its second corner as the clicks leave it.
    const auto expectCursor = [&](int tab, const TGridRect& c) {
        EXPECT_EQ(W->MainTab().currentIndex(), tab);
        EXPECT_EQ(Program().CurrentListIndex(), tab);
        const TGridRect& s = Grid().Selection;
        EXPECT_EQ(std::vector<int32_t>({Grid().Col, Grid().Row, s.Left, s.Top, s.Right, s.Bottom}),
                  std::vector<int32_t>({c.Right, c.Bottom, c.Left, c.Top, c.Right, c.Bottom}))
            << "tab " << tab;
    };
    const TGridRect cursors[3] = {{2, 2, 2, 2}, {7, 9, 4, 3}, {3, 4, 5, 6}};
    for (int tab : {2, 0, 1}) {
        expectCursor(tab, {1, 1, 1, 1});
        ClickCell(cursors[tab].Left, cursors[tab].Top);
        ClickCell(cursors[tab].Right, cursors[tab].Bottom, Qt::ShiftModifier);
        expectCursor(tab, cursors[tab]);
        Key(Qt::Key_Tab); // from the last tab on to the first
    }
    for (int tab : {2, 0, 1}) {
        expectCursor(tab, cursors[tab]);
        Key(Qt::Key_Tab);
    }
    for (int tab : {1, 0}) {
        Key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        expectCursor(tab, cursors[tab]);
    }

    // Without a list it does nothing.
    for (int i = 2; i >= 0; --i)
        ASSERT_TRUE(Program().CloseList(i));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Program().CurrentListIndex(), -1);
    EXPECT_FALSE(Grid().isVisible());
}

TEST_F(MainForm, AltASelectsAllLinesOfTheFocusedFilterListOnly) {
    TProject& list = OpenList(SampleList());
    const int ironwood = BandLine("Ironwood");
    ClickLine(Tours(), ironwood);
    ClickLine(Sources(), 1 + 4);
    Focus(Sources());
    Key(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(Lines(Sources()), Lines(Sources(), true));
    EXPECT_EQ(Lines(Tours()), std::vector<int>({ironwood}));
    EXPECT_EQ(list.View, Matching(list, [](const TBootData& r) { return r.Band == "Ironwood"; }));

    // With the grid focused only the refresh runs: the lists are read back
    // as they are, and no change by the user is marked.
    {
        const QSignalBlocker quiet(Tours());
        Tours()->item(BandLine("Static Harbour"))->setSelected(true); // unseen by the program so far
    }
    Focus(&Grid());
    Key(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(Lines(Tours()), std::vector<int>({ironwood, BandLine("Static Harbour")}));
    EXPECT_TRUE(list.Saved);
}

// Lists and tour files written by older programs hold 8-bit texts: shown in
// the page chosen in the Options menu, and written back as they were.
TEST_F(MainForm, LegacyTextsShowInTheChosenPageAndKeepTheirBytes) {
    const std::string lodz = "\xA3\xF3"
                             "d\x9F"; // Łódź in Windows-1250
    const auto qt = [](const char* utf8) { return QString::fromUtf8(utf8); };
    TProject written;
    written.FileName = Path("Lists/Legacy.kvu");
    TBootData first;
    first.Band = first.City = lodz;
    written.Data.push_back(first);
    ASSERT_TRUE(written.Save().Ok);
    QFile tours(QString::fromStdString(Path("Tours/Legacy.txt")));
    ASSERT_TRUE(tours.open(QIODevice::WriteOnly));
    tours.write(("|||||" + lodz + " Tour|2000.01.01|2000.12.31\n").c_str());
    tours.close();
    Start();
    EXPECT_EQ(LegacyCodePage(), TCodePage::Windows1250);
    EXPECT_TRUE(W->CodePageActions().at(0)->isChecked());
    EXPECT_FALSE(W->CodePageActions().at(0)->associatedObjects().isEmpty()); // in the menu
    EXPECT_EQ(Tours()->item(BandLine("Legacy", lodz + " Tour"))->text(), qt("\u0141\u00F3d\u017A Tour"));

    TProject& list = OpenList(written.FileName);
    const size_t cyrillic = 4;
    ASSERT_EQ(CodePages()[cyrillic].Page, TCodePage::Windows1251);
    W->CodePageActions().at(cyrillic)->trigger();
    EXPECT_TRUE(W->CodePageActions()[cyrillic]->isChecked());
    EXPECT_FALSE(W->CodePageActions()[0]->isChecked());
    EXPECT_EQ(Tours()->item(BandLine("Legacy", lodz + " Tour"))->text(), qt("\u0408\u0443d\u045F Tour"));
    ClickCell(Col(tcCity), 1);
    Key(Qt::Key_F2, Qt::NoModifier);
    EXPECT_EQ(Grid().GridEdit().text(), qt("\u0408\u0443d\u045F"));
    Key(Qt::Key_Return, Qt::NoModifier); // unedited: the bytes stay
    list.Saved = false;
    Run(TActionId::cmSave);
    TProject saved;
    saved.FileName = written.FileName;
    ASSERT_TRUE(saved.Load().Ok());
    EXPECT_EQ(AllBytes(saved.Data), AllBytes(written.Data));

    ASSERT_TRUE(W->close());
    EXPECT_EQ(StoredInt("LegacyCodePage"), 1251);
    SetLegacyCodePage(kDefaultCodePage);
    Start();
    EXPECT_EQ(LegacyCodePage(), TCodePage::Windows1251);
    EXPECT_TRUE(W->CodePageActions()[cyrillic]->isChecked());
    SetLegacyCodePage(kDefaultCodePage);
}

TEST_F(MainForm, WidthsSurviveTheNextStart) {
    OpenList(SampleList());
    ASSERT_EQ(Col(tcBand), 1);
    const int32_t designDate = Grid().Column(Col(tcDate)).Width;
    const int32_t wide = Grid().Column(1).Width + 80;
    Drag(Grid().viewport(), QPoint(Grid().Column(1).Right + Grid().HeadingWidth() - ScrollOffsetX(Grid()), 20),
         Grid().Column(1).Right + Grid().HeadingWidth() - ScrollOffsetX(Grid()) + 80);
    ASSERT_EQ(Grid().Column(1).Width, wide);
    EXPECT_EQ(W->TemplateGrid().Column(tcBand).Width, wide);

    // The panel starts at the stored width (the default when none is stored); its
    // edge changes it, for this run and the next. A press away from the edge drags nothing.
    const int panel = Panel().width();
    EXPECT_EQ(panel, kDefaultRollupWidth);
    Drag(&Panel(), QPoint(panel - 1, 300), panel + 50);
    EXPECT_EQ(Panel().width(), panel + 50);
    Drag(&Panel(), QPoint(panel + 20, 300), panel + 100);
    EXPECT_EQ(Panel().width(), panel + 50);
    ASSERT_EQ(Program().RollupWidth, panel + 50);

    ASSERT_TRUE(W->close());
    EXPECT_EQ(StoredInt("GridWitdh2"), wide);
    EXPECT_EQ(StoredInt("GridWitdh1"), W->TemplateGrid().Column(tcSearch).Width);
    EXPECT_EQ(StoredInt("GridWitdh3"), designDate);
    EXPECT_EQ(StoredInt("RollupWidth"), panel + 50);

    Start();
    EXPECT_EQ(W->TemplateGrid().Column(tcBand).Width, wide);
    EXPECT_EQ(Panel().width(), panel + 50);
    OpenList(SampleList());
    EXPECT_EQ(Grid().Column(1).Width, wide);
    EXPECT_EQ(Grid().Column(2).Width, designDate);

    // A stored width wider than the window leaves room for the grid, and is
    // kept for a wider window.
    ASSERT_TRUE(W->close());
    Settings.Values["RollupWidth"] = 5000;
    Start();
    EXPECT_EQ(Panel().width(), kMainWindowSize.Width - 100);
    EXPECT_EQ(Program().RollupWidth, 5000);
}

TEST_F(MainForm, TextBeingTypedWhenTheTabChangesStaysWithItsList) {
    TProject& first = OpenList(SampleList());
    TProject& second = OpenList(SampleList());
    const TArrayOfBootData secondBefore = second.Data;
    W->MainTab().setCurrentIndex(0);
    ClickCell(Col(tcBand), 3);
    TypeWithoutEnter(QStringLiteral("Typed"));
    // The tab bar takes no focus: the editor is still open when the tab changes.
    W->MainTab().setCurrentIndex(1);
    EXPECT_EQ(first.Data[static_cast<size_t>(first.View[2])].Band, "Typed");
    EXPECT_FALSE(first.Saved);
    EXPECT_EQ(AllBytes(second.Data), AllBytes(secondBefore));
    EXPECT_TRUE(second.Saved);
    EXPECT_EQ(Grid().GetCellString(Col(tcBand), 3), second.Data[2].Band);
}

TEST_F(MainForm, DeleteAndFindConcertStopWhenStoringTheTypedTextMovesTheRows) {
    TProject& list = OpenList(SampleList());
    ClickLine(Tours(), BandLine("Ironwood"));
    const size_t records = list.Data.size();
    for (Qt::Key key : {Qt::Key_D, Qt::Key_I}) {
        SCOPED_TRACE(key);
        const size_t edited = static_cast<size_t>(list.View[2]), below = static_cast<size_t>(list.View[3]);
        list.Data[below].City.clear(); // find concert would fill it in
        W->SetValues();
        const std::string belowBytes = RecordBytes(list.Data[below]);
        ClickCell(Col(tcBand), 3);
        TypeWithoutEnter(QStringLiteral("Another band"));
        Key(key);
        // The edited row left the filter; the record that moved up is left alone.
        EXPECT_EQ(list.Data.size(), records);
        EXPECT_EQ(list.Data[edited].Band, "Another band");
        EXPECT_EQ(static_cast<size_t>(list.View[2]), below);
        EXPECT_EQ(RecordBytes(list.Data[below]), belowBytes);
    }

    // Without such a move the typed text is stored and the row deleted.
    ClickCell(Col(tcCity), 2);
    TypeWithoutEnter(QStringLiteral("Elsewhere"));
    Key(Qt::Key_D);
    EXPECT_EQ(list.Data.size(), records - 1);
}

// True when the inside of cell (x, y) holds nothing but its background.
bool BlankCell(TExcelGrid2& grid, const QImage& shot, int32_t x, int32_t y) {
    const TRect r = CellRect(grid, x, y);
    const QColor background = shot.pixelColor(r.Left + 2, r.Top + 2);
    for (int py = r.Top + 2; py < r.Bottom - 2; ++py)
        for (int px = r.Left + 2; px < r.Right - 2; ++px)
            if (shot.pixelColor(px, py) != background)
                return false;
    return true;
}

// A list file may hold any 32-bit code; under the sanitizers a name looked up
// with overflowing arithmetic fails here.
TEST_F(MainForm, CodesOutsideTheirRangePaintNoNameInCellsAndDropDowns) {
    const int32_t codes[] = {INT32_MIN, -1, 6, 17, 21, INT32_MAX};
    TProject written;
    written.FileName = Path("Lists/Codes.kvu");
    for (int32_t code : codes) {
        TBootData record;
        record.Band = "Band";
        record.Source = code;
        record.Media = code;
        written.Data.push_back(record);
    }
    written.Data[4].Source = 1; // a name beside the media code 21, which must not take a source name
    ASSERT_TRUE(written.Save().Ok);
    W->resize(1600, 800); // every column on the screen
    TProject& list = OpenList(written.FileName);
    ASSERT_EQ(Grid().CountRows(), 6);
    ASSERT_LT(CellRect(Grid(), Col(tcMedia), 6).Right, Grid().viewport()->width());
    const QImage shot = Grid().viewport()->grab().toImage();
    for (int32_t row = 1; row <= 6; ++row) {
        const TBootData& record = list.Data[static_cast<size_t>(row - 1)];
        EXPECT_EQ(Grid().GetCellInteger(Col(tcMedia), row), codes[row - 1]) << row;
        EXPECT_EQ(BlankCell(Grid(), shot, Col(tcSource), row), !IsSourceCode(record.Source)) << row;
        EXPECT_EQ(BlankCell(Grid(), shot, Col(tcMedia), row), !IsMediaCode(record.Media)) << row; // 6 is "MD"
    }

    // The drop-down of such a cell opens, paints its names and marks none.
    for (int32_t column : {tcSource, tcMedia}) {
        Select(Col(column), 6);
        Focus(&Grid());
        QTest::keyClick(&Grid(), Qt::Key_Return);
        QWidget& dropDown = Grid().GridListBox();
        ASSERT_TRUE(dropDown.isVisible()) << column;
        dropDown.grab();
        QTest::keyClick(&dropDown, Qt::Key_Escape);
    }
    EXPECT_EQ(list.Data[5].Source, INT32_MAX);
    EXPECT_TRUE(list.Saved);
}

TEST_F(MainForm, TheWindowGoesDownSafelyWithAnEditorOpenAndAFilterSelected) {
    OpenList(SampleList());
    ClickLine(Tours(), BandLine("Ironwood"));
    ClickCell(Col(tcCity), 2);
    TypeWithoutEnter(QStringLiteral("Half typed"));
    // Under the sanitizers a late signal or commit into freed parts fails here.
    Window.reset();
    W = nullptr;
}

} // namespace
