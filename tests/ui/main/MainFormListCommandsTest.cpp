// The list commands of the real main window on the sample list: new tabs,
// typing, the pop-up menu, sort, find, saving under a new name, the cover and
// information windows.

#include "ui/main/MainFormFixture.h"

namespace {

using MainFormListCommands = TMainFormFixture;

// A list opened or made shows its first rows and columns, whatever another
// tab had scrolled to; each tab keeps its own place.
TEST_F(MainFormListCommands, AListOpenedOrMadeStartsAtTheTopLeftAndEachTabKeepsItsPlace) {
    W->resize(W->minimumSize());
    Open();
    Key(Qt::Key_End);
    ASSERT_EQ(std::make_tuple(Grid().Col, Grid().Row), std::make_tuple(Grid().ColCount(), Rows()));
    const int32_t top = Grid().TopRow, left = Grid().LeftCol;
    ASSERT_GT(top, 1);
    ASSERT_GT(left, 1);
    TProject small;
    small.FileName = Path("Lists/Four.kvu");
    small.Data.assign(4, L->Data[0]);
    ASSERT_TRUE(small.Save().Ok);
    const auto expectTopLeft = [&](const char* what) {
        EXPECT_EQ(std::make_tuple(Grid().Col, Grid().Row, Grid().TopRow, Grid().LeftCol, Grid().Selection),
                  std::make_tuple(1, 1, 1, 1, TGridRect{1, 1, 1, 1}))
            << what;
    };
    OpenList(small.FileName);
    expectTopLeft("opened");
    Key(Qt::Key_N);
    expectTopLeft("new");
    Clip->Content = "Band A\t2001.01.01\r\nBand B\t2001.01.02\r\n";
    Key(Qt::Key_V);
    TProject& fresh = *Program().Lists.back();
    ASSERT_EQ(fresh.Data.size(), 2u);
    EXPECT_EQ(fresh.Data[1].Band + "|" + fresh.Data[1].Date, "Band B|2001.01.02");
    Key(Qt::Key_Tab); // round to the first list
    EXPECT_EQ(std::make_tuple(Grid().TopRow, Grid().LeftCol), std::make_tuple(top, left));
    Key(Qt::Key_Home);
    EXPECT_EQ(std::make_tuple(Grid().Col, Grid().Row), std::make_tuple(1, 1));
    Key(Qt::Key_End);
    EXPECT_EQ(std::make_tuple(Grid().Col, Grid().Row), std::make_tuple(Grid().ColCount(), Rows()));
}

// Only new rows show every band: a paste within the rows keeps the band shown.
TEST_F(MainFormListCommands, APasteWithinTheRowsKeepsTheBandFilter) {
    Open();
    ShowBand("Ironwood");
    Focus(&Grid());
    Select(Col(tcComment), 1, 1);
    Clip->Content = "Pasted";
    Key(Qt::Key_V);
    EXPECT_EQ(Shown(1).Comment, "Pasted");
    EXPECT_FALSE(Program().Filter.AllBands);
}

// Typing a new bootleg as in a spreadsheet: Tab stores the cell and goes on.
TEST_F(MainFormListCommands, TabStoresTheTypedCellAndGoesOnToTheNextColumn) {
    Open();
    Select(Col(tcComment), 3);
    Key(Qt::Key_A);
    EXPECT_EQ(std::make_tuple(Grid().Col, Grid().Row), std::make_tuple(Col(tcBand), Rows()));
    TypeWithoutEnter(QStringLiteral("Ironwood"));
    QTest::keyClick(&Grid().GridEdit(), Qt::Key_Tab);
    TypeWithoutEnter(QStringLiteral("2001.01.01"));
    QTest::keyClick(&Grid().GridEdit(), Qt::Key_Return);
    EXPECT_EQ(L->Data.back().Band + "|" + L->Data.back().Date, "Ironwood|2001.01.01");
    TypeWithoutEnter(QStringLiteral("Oslo"));
    QTest::keyClick(&Grid().GridEdit(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(L->Data.back().Date, "Oslo");
    EXPECT_EQ(Grid().Col, Col(tcBand));
    EXPECT_TRUE(Grid().hasFocus());
    // At the end of a row Tab goes on to the next one.
    Select(Grid().ColCount(), 1);
    Key(Qt::Key_Tab, Qt::NoModifier);
    EXPECT_EQ(std::make_tuple(Grid().Col, Grid().Row), std::make_tuple(1, 2));
    EXPECT_TRUE(Grid().hasFocus());
}

// The pop-up from the keyboard opens at the cursor, where the user looks.
TEST_F(MainFormListCommands, TheGridPopUpOpensAtTheCellFromTheKeyboardAndAtThePointerOnAClick) {
    const std::vector<TActionId> windows = {TActionId::cmConcerts, TActionId::cmCompare, TActionId::cmExport};
    for (TActionId id : windows)
        EXPECT_FALSE(W->Action(id)->isEnabled()) << int(id); // no list yet
    Open();
    for (TActionId id : windows)
        EXPECT_TRUE(W->Action(id)->isEnabled()) << int(id);
    QMenu& menu = *W->GridMenu();
    EXPECT_TRUE(menu.actions().contains(W->Action(TActionId::cmSortAZ)));
    const auto expectOpenAt = [&](QPoint global, const char* how) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return menu.isVisible(); })) << how;
        EXPECT_EQ(menu.pos(), global) << how;
        menu.hide();
    };
    Select(Col(tcCity), 5);
    const TRect cell = CellRect(Grid(), Col(tcCity), 5);
    const QPoint atCell =
        Grid().viewport()->mapToGlobal(QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
    Key(Qt::Key_F10, Qt::ShiftModifier);
    expectOpenAt(atCell, "Shift+F10");
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(0, 0), Grid().mapToGlobal(QPoint(0, 0)));
    QApplication::sendEvent(&Grid(), &menuKey);
    expectOpenAt(atCell, "the Menu key");
    const QPoint pointer(40, 90);
    QContextMenuEvent click(QContextMenuEvent::Mouse, pointer, Grid().viewport()->mapToGlobal(pointer));
    QApplication::sendEvent(Grid().viewport(), &click);
    expectOpenAt(Grid().viewport()->mapToGlobal(pointer), "a right click");
}

// The order itself is the list sort's business; here the column must be the cursor's.
TEST_F(MainFormListCommands, SortGoesByTheCursorColumnBehindTheSearchColumn) {
    Open();
    for (size_t i = 0; i < L->Data.size(); ++i)
        L->Data[i].SearchText = std::to_string((i * 7) % 11) + "hit";
    L->SearchColumn = true;
    W->SetValues();
    TArrayOfBootData wanted = L->Data;
    std::stable_sort(wanted.begin(), wanted.end(),
                     [](const TBootData& a, const TBootData& b) { return a.City < b.City; });
    Grid().Col = Col(tcCity);
    Run(TActionId::cmSortAZ);
    ASSERT_EQ(AllBytes(L->Data), AllBytes(wanted));
    EXPECT_EQ(Grid().GetCellString(Col(tcNum), Rows()), wanted.back().Num);
}

// Counts the paints of a widget.
class TPaintCounter : public QObject {
public:
    explicit TPaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        Paints += event->type() == QEvent::Paint;
        return false;
    }
    int Paints = 0;
};

TEST_F(MainFormListCommands, SavingUnderANewNameShowsItAtOnceAndLeavesTheHistory) {
    Open();
    TPaintCounter title(W->TitleBar());
    const auto saveAs = [&](TActionId command, const std::string& path) {
        QApplication::processEvents();
        title.Paints = 0;
        DialogPaths.push_back(path);
        Run(command);
        QApplication::processEvents();
        EXPECT_TRUE(DialogPaths.empty());
        EXPECT_EQ(Program().CurrentList()->FileName, path);
        EXPECT_GE(title.Paints, 1) << path; // the title bar draws the name at every paint
    };
    saveAs(TActionId::cmSaveAs, Path("Lists/Renamed.kvu"));
    EXPECT_EQ(W->MainTab().tabText(0), QStringLiteral("Renamed"));

    Key(Qt::Key_N);
    saveAs(TActionId::cmSave, Path("Lists/Fresh.kvu"));
    EXPECT_EQ(W->MainTab().tabText(1), QStringLiteral("Fresh"));

    // Only opening a file enters it in the history.
    EXPECT_EQ(Program().History.Entry(1), SampleList());
    EXPECT_EQ(Program().History.Entry(2), "");
    EXPECT_TRUE(Messages.empty());
    ASSERT_TRUE(Program().CloseList(1));
    OpenList(Path("Lists/Fresh.kvu"));
    EXPECT_EQ(Program().History.Entry(1), Path("Lists/Fresh.kvu"));
}

TEST_F(MainFormListCommands, FindAsksForATextOnlyWhenNeededAndMovesTheCursor) {
    Open();
    int asked = 0;
    bool answer = true;
    std::string typed, offered;
    W->ListCommands().AskSearchText = [&](std::string& text) {
        ++asked;
        offered = text;
        text = typed; // also on Cancel, which must not use it
        return answer;
    };
    const int32_t hamburg = RowOfNum("001");
    typed = "hamBURG";
    Select(1, Rows());
    Key(Qt::Key_F3, Qt::NoModifier);
    EXPECT_EQ(std::make_tuple(asked, offered, Program().SearchString), std::make_tuple(1, std::string(), typed));
    EXPECT_EQ(Grid().Selection, (TGridRect{Col(tcCity), hamburg, Col(tcCity), hamburg}));
    EXPECT_EQ(Grid().Col, Col(tcCity));
    Select(1, 1);
    Key(Qt::Key_F3, Qt::NoModifier);
    EXPECT_EQ(std::make_pair(asked, Grid().Row), std::make_pair(1, hamburg));

    answer = false;
    typed = "leiden";
    Select(1, 2);
    Key(Qt::Key_F);
    EXPECT_EQ(std::make_tuple(asked, offered, Program().SearchString, Grid().Row),
              std::make_tuple(2, std::string("hamBURG"), std::string("hamBURG"), 2));
    answer = true;
    Run(TActionId::cmFind);
    EXPECT_EQ(std::make_pair(asked, Grid().Row), std::make_pair(3, RowOfNum("046")));
}

// Enter on a Cover or Info cell opens its window; what Ok changed reaches the
// record and marks the list unsaved, a Cancel or an unchanged Ok nothing.
TEST_F(MainFormListCommands, CoverAndInfoWindowsEditTheRecordAndMarkTheListUnsaved) {
    Open();
    Shown(1).Covers = {"front.jpg", "back.jpg"};
    Shown(1).Info = "old\r\ntext";
    W->SetValues();
    std::function<int(QDialog&)> script;
    W->WindowHook = [&](QDialog& window) { return script(window); };

    script = [](QDialog& window) {
        auto* cover = dynamic_cast<TCoverForm*>(&window);
        EXPECT_NE(cover, nullptr);
        if (cover) {
            EXPECT_EQ(cover->CoverNames[0], "front.jpg");
            cover->CoverNames[1] = "other.jpg"; // what the window would hand back
        }
        return 2;
    };
    Select(Col(tcCover), 1);
    QTest::keyClick(&Grid(), Qt::Key_Return);
    EXPECT_EQ(Shown(1).Covers[1], "back.jpg");
    EXPECT_TRUE(L->Saved);

    script = [](QDialog& window) {
        window.show();
        window.done(1);
        return 1;
    };
    QTest::keyClick(&Grid(), Qt::Key_F2);
    EXPECT_TRUE(L->Saved) << "an Ok that changed nothing keeps the list saved";

    script = [](QDialog& window) {
        auto& cover = static_cast<TCoverForm&>(window);
        cover.show();
        cover.FileList().setCurrentRow(1);
        cover.ClearSelected();
        cover.done(1);
        return 1;
    };
    QTest::keyClick(&Grid(), Qt::Key_Return);
    EXPECT_EQ(Shown(1).Covers, (std::array<std::string, 2>{"front.jpg", ""}));
    EXPECT_FALSE(L->Saved);
    EXPECT_EQ(W->Action(TActionId::cmUndo)->text().toStdString(), "&Undo edit of 1 cell");

    L->Saved = true;
    script = [](QDialog& window) {
        auto* info = dynamic_cast<TInfoForm*>(&window);
        EXPECT_NE(info, nullptr);
        if (!info)
            return 2;
        EXPECT_EQ(info->Text(), "old\r\ntext");
        info->Execute(TInfoActionId::cmNew);
        return 1;
    };
    Select(Col(tcInfo), 1);
    QTest::keyClick(&Grid(), Qt::Key_Return);
    EXPECT_EQ(Shown(1).Info, "");
    EXPECT_FALSE(L->Saved);
}

} // namespace
