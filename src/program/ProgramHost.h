#pragma once

#include "program/Actions.h"
#include "program/History.h"
#include "program/MessageKinds.h"

#include <functional>
#include <string>
#include <vector>

// How a top-level window shows; the numbers are those the settings keep.
enum class TShowState : int32_t { Normal = 1, Minimised = 2, Maximised = 3 };

// A window's show state and its normal (restored) rectangle.
struct TWindowPlacement {
    int32_t ShowState = static_cast<int32_t>(TShowState::Normal); // a TShowState, as stored
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
};

struct TScreenSize {
    int32_t Width = 0;
    int32_t Height = 0;
};

// The state of one file dialog, kept between its runs like a dialog component.
struct TFileDialog {
    std::string Title;
    std::string Filter; // "KV user file (*.kvu)|*.kvu"
    std::string DefaultExt;
    std::string InitialDir;
    std::string FileName; // proposed on opening, chosen on OK
    int FilterIndex = 1;
    bool MustExist = false;
    bool OverwritePrompt = false;
};

// What the program object needs of the main window. Tests put a scripted
// fake in its place.
class IProgramHost {
public:
    virtual ~IProgramHost() = default;

    // The message dialog; returns the modal result.
    virtual int ShowMsg(const std::string& text, Msg::TKind kind, Msg::TButtons buttons, Msg::TAlign alignment) = 0;
    virtual void ShowHelp(const std::string& text, int width, int height) = 0;
    // Runs a file dialog; on OK the chosen path is in dialog.FileName.
    virtual bool RunOpenDialog(TFileDialog& dialog) = 0;
    virtual bool RunSaveDialog(TFileDialog& dialog) = 0;

    // The tabs mirror the program's lists: tab i shows list i.
    virtual void AddTab(const std::string& caption) = 0;
    // Removes tab `index`; true when that brought another tab forward or
    // renumbered the one forward, and the window showed its list anew (no
    // RefreshView needed).
    virtual bool DeleteTab(int index) = 0;
    // The name of list `index` changed: its tab, and the title bar when it
    // shows that list, show `caption` at once.
    virtual void SetTabCaption(int index, const std::string& caption) = 0;
    virtual int CurrentTab() const = 0; // -1 without tabs
    // Brings tab `index` forward; when it was not forward, the window shows
    // its list anew (no RefreshView needed).
    virtual void SetCurrentTab(int index) = 0;

    virtual void SetFilterLines(const std::vector<std::string>& bandsAndTours, const std::vector<std::string>& sources,
                                const std::vector<std::string>& media) = 0;
    virtual void SetHistoryMenu(const THistoryMenu& menu) = 0;
    // Rebuilds the view of the current list and repaints (SetValues).
    virtual void RefreshView() = 0;
    virtual void FocusGrid() = 0;
    // The busy pointer while a list is read or written.
    virtual void SetBusy(bool busy) = 0;
    // Runs `work` away from the window, which goes on and shows that `what`
    // ("Saving My list") is under way, then `done` on the window's side.
    // `work` touches only what it was given. Here both run at once.
    virtual void RunInBackground(const std::string& what, std::function<void()> work, std::function<void()> done) {
        (void)what;
        work();
        done();
    }
    // Returns once every work started so far has run its `done`.
    virtual void WaitForBackgroundWork() {}
    // Runs `work` away from the window and returns once it has ended: the
    // window paints meanwhile and shows that `what` is under way, but takes
    // no input, so nothing `work` reads changes under it. What `work` throws
    // comes out here. Here it simply runs.
    virtual void RunAndWait(const std::string& what, const std::function<void()>& work) {
        (void)what;
        work();
    }
    virtual void CloseMainWindow() = 0;
    // The commands that act on one list and its grid.
    virtual void ExecuteListCommand(int index, const TAction& action) = 0;

    virtual TWindowPlacement MainWindowPlacement() const = 0;
    virtual TScreenSize VirtualScreenSize() const = 0;
};

// Shows the list of tab `index`: bringing another tab forward shows it
// already, and a refresh on top would build a big list's view a second time.
inline void ShowTab(IProgramHost& host, int index) {
    if (host.CurrentTab() != index)
        host.SetCurrentTab(index);
    else
        host.RefreshView();
}
