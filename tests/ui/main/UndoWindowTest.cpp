// Undo and redo in the real main window.

#include "ui/main/MainFormFixture.h"

namespace {

using UndoWindow = TMainFormFixture;

TEST_F(UndoWindow, CtrlZAfterADeleteBringsTheRowsBackAndTheCloseQuestionGoes) {
    Open();
    EXPECT_FALSE(W->Action(TActionId::cmUndo)->isEnabled());
    const std::vector<std::string> before = AllBytes(L->Data);
    ShowBand("Ironwood");
    Focus(&Grid());
    const std::string third = Shown(3).Num;
    Select(Col(tcCity), 2, 3);
    Key(Qt::Key_D);
    ASSERT_EQ(L->Data.size(), before.size() - 2);
    EXPECT_FALSE(L->Saved);
    EXPECT_EQ(W->Action(TActionId::cmUndo)->text().toStdString(), "&Undo delete of 2 bootlegs");
    EXPECT_TRUE(W->Action(TActionId::cmUndo)->isEnabled());
    EXPECT_FALSE(W->Action(TActionId::cmRedo)->isEnabled());

    Key(Qt::Key_Z);
    EXPECT_EQ(AllBytes(L->Data), before);
    EXPECT_TRUE(L->Saved);
    EXPECT_EQ(Grid().Row, 2); // on the rows that came back, both selected
    EXPECT_EQ(Grid().Selection.Ordered(), (TGridRect{Col(tcCity), 2, Col(tcCity), 3}));
    EXPECT_EQ(Shown(3).Num, third);
    EXPECT_EQ(W->Action(TActionId::cmRedo)->text().toStdString(), "&Redo delete of 2 bootlegs");
    EXPECT_FALSE(W->Action(TActionId::cmUndo)->isEnabled());

    Key(Qt::Key_Y);
    EXPECT_EQ(L->Data.size(), before.size() - 2);
    EXPECT_FALSE(L->Saved);
    Key(Qt::Key_Z);
    EXPECT_EQ(AllBytes(L->Data), before);

    Run(TActionId::cmClose);
    EXPECT_TRUE(Messages.empty()); // back at the saved state: nothing to ask
    EXPECT_TRUE(Program().Lists.empty());
}

// The menus are built from the menu table: the Edit menu shows its first entries.
TEST_F(UndoWindow, TheEditMenuStartsWithUndoAndRedoAndEachListHasItsOwnHistory) {
    Open();
    QMenu* edit = nullptr;
    for (QAction* menu : W->menuBar()->actions())
        if (menu->text() == "&Edit")
            edit = menu->menu();
    ASSERT_NE(edit, nullptr);
    ASSERT_GE(edit->actions().size(), 3);
    EXPECT_EQ(edit->actions()[0], W->Action(TActionId::cmUndo));
    EXPECT_EQ(edit->actions()[1], W->Action(TActionId::cmRedo));
    EXPECT_FALSE(W->Action(TActionId::cmUndo)->icon().isNull() || W->Action(TActionId::cmRedo)->icon().isNull());

    Run(TActionId::cmAdd);
    EXPECT_TRUE(W->Action(TActionId::cmUndo)->isEnabled());
    Run(TActionId::cmNew);
    EXPECT_FALSE(W->Action(TActionId::cmUndo)->isEnabled()); // the new list has no steps
    Run(TActionId::cmUndo);
    Key(Qt::Key_Tab);
    EXPECT_EQ(W->Action(TActionId::cmUndo)->text().toStdString(), "&Undo add of 1 bootleg");
    Answers = {Msg::ResultNo};
    Run(TActionId::cmCloseAll);
    ASSERT_TRUE(Program().Lists.empty());
    EXPECT_FALSE(W->Action(TActionId::cmUndo)->isEnabled());
    EXPECT_EQ(W->Action(TActionId::cmUndo)->text().toStdString(), "&Undo");
}

} // namespace
