#pragma once

#include "core/MatchIndex.h"

#include <string>
#include <vector>

class IProgramHost;
class TProgram;
class TProject;

// What the list functions window does, without its widgets: its lines and
// options on opening, what it keeps on closing, and its two functions over
// the open lists. Line i of the window stands for list i throughout, and a
// selection has one flag per line.
class TCompareFormLogic {
public:
    TCompareFormLogic(TProgram& program, IProgramHost& host);

    static const char* const kNothingSelected;
    static constexpr int kHelpWidth = 350;
    static constexpr int kHelpHeight = 300;
    // The help text, line by line (markup; empty lines belong to it).
    static std::vector<std::string> HelpLines();

    // One line per open list: its file name without folder and ".kvu".
    std::vector<std::string> Lines() const;
    // The lines selected when the window last closed.
    std::vector<bool> Selection() const;
    // The options "Source", "Media" and "Loose match".
    TMatchOptions Options() const;

    // However the window closes: the selection and the options are kept.
    void Close(const std::vector<bool>& selection, TMatchOptions options);

    // Both functions refuse an empty selection with a message and return
    // false (the window stays open), and so does a join that would make a
    // list of more bootlegs than a list may hold; otherwise they do their
    // work, refresh the main window and return true (the window closes).
    bool Compare(const std::vector<bool>& selection, TMatchOptions options);
    bool Join(const std::vector<bool>& selection, TMatchOptions options);
    // A new unsaved list of the bootlegs of the selected lists that the
    // current list lacks; refused with a message when no list but the
    // current one is selected.
    bool Wants(const std::vector<bool>& selection, TMatchOptions options);
    static const char* const kNoOtherSelected;

private:
    bool AnySelected(const std::vector<bool>& selection);
    std::vector<TProject*> OpenLists(size_t count) const;
    bool ShowMadeList(TArrayOfBootData data, const std::string& step);

    TProgram& m_program;
    IProgramHost& m_host;
};

// "bootlegs 2003" for ".../bootlegs 2003.kvu"; a name without the extension
// is kept whole.
std::string CompareFormLine(const std::string& fileName);
