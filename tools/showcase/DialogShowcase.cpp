// A tool to look at the small windows: dialogs_showcase msg1|msg3|msg6|help|about
// shows one of them until it is closed.

#include "controls/markup/QtColorScheme.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/RichLabel.h"
#include "controls/markup/RichText.h"
#include "program/ActionTable.h"
#include "ui/dialogs/AboutForm.h"
#include "ui/dialogs/HelpForm.h"
#include "ui/dialogs/MessageForm.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <string>

namespace {

const char* kLongMessage = "The list file |b Summer tour 1977.kvu|f  could not be read.||"
                           "It was written by a newer version of the program (version 14).||"
                           "Please update the program, or open a copy of the list saved by this version.";

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyPaletteFromEnvironment();
    std::string what = argc > 1 ? argv[1] : "msg3";
    QWidget owner;
    owner.setGeometry(0, 0, 800, 600);
    if (what == "msg1")
        return ShowMessageDialog(&owner, kLongMessage, Msg::Error, Msg::Ok, Msg::Centre) * 0;
    if (what == "msg3")
        return ShowMessageDialog(&owner, "Save changes in list?", Msg::Confirmation, Msg::Yes | Msg::No | Msg::Cancel,
                                 Msg::Centre) *
               0;
    if (what == "msg6")
        return ShowMessageDialog(&owner, kLongMessage,
                                 static_cast<Msg::TKind>(4), // a kind without a caption of its own
                                 Msg::Yes | Msg::No | Msg::Ok | Msg::Cancel | Msg::YesToAll | Msg::Help, Msg::Left) *
               0;
    if (what == "help") {
        TRichText store;
        store.SetText(MainHelpLines());
        ShowHelpPopup(&owner, store.JoinedText(), 600, 500);
        return 0;
    }
    if (what == "about") {
        ShowAboutBox(&owner, false);
        return 0;
    }
    if (what == "markup") {
        TRichLabel label(&owner);
        owner.setFont(MarkupFont("Arial", -11));
        label.setFont(owner.font());
        label.setGeometry(20, 20, 400, 160);
        label.SetCaption("|b Bold|f , H|d 2|f O, x|u 2|f , |sa |sb |sp |s\xAE |s\xDE ||"
                         "|l underlined|f  and |p overlined|f  and |rx+1|f ||"
                         "|z20 zoomed|f  back||greyed below");
        TRichLabel greyed(&owner);
        greyed.setFont(owner.font());
        greyed.setGeometry(20, 190, 400, 40);
        greyed.SetCaption("|b Disabled|f  text");
        greyed.setEnabled(false);
        owner.show();
        return app.exec();
    }
    std::fprintf(stderr, "usage: dialogs_showcase msg1|msg3|msg6|help|about|markup\n");
    return 2;
}
