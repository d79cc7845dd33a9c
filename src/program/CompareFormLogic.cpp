#include "CompareFormLogic.h"

#include "core/ListFunctions.h"
#include "platform/PathName.h"
#include "program/MadeList.h"
#include "program/Program.h"

#include <algorithm>
#include <cassert>
#include <iterator>

namespace {

// clang-format off
const char* const kHelpLines[] = {
    "Select lists that you want to compare or join. Use Ctrl and Shift keys for individual or group selecting.",
    "",
    "|b Source|f , |b Media|f  - program will use source and media along with a date property to distinguish two bootlegs.",
    "",
    "|b Compare|f  - will compare bootlegs by date, source and media properties. Search column will be visible in the main window with a lists that don't have that specific bootleg.",
    "",
    "|b Join|f  - will create new list with all visible bootlegs (it depends which bands and tours are visible) from selected lists.",
    "",
    "You have to select at least one list. If you select only one list |b Compare|f  function will search for duplicates on that list.",
    "",
    "|b Loose match|f  - bands and dates meet whatever their case, their spaces and the form of the date. |b Wants|f  - a new list of the bootlegs the selected lists hold and the current list lacks.",
};
// clang-format on

bool EndsWithKvu(const std::string& name) {
    if (name.size() < 4)
        return false;
    std::string end = name.substr(name.size() - 4);
    std::transform(end.begin(), end.end(), end.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
    return end == ".kvu";
}

} // namespace

const char* const TCompareFormLogic::kNothingSelected = "You have to select at least one list!";
const char* const TCompareFormLogic::kNoOtherSelected = "Select at least one list besides the current one!";

std::string CompareFormLine(const std::string& fileName) {
    std::string name = FileNamePart(fileName);
    // Cutting four characters off a name that has no ".kvu" would maim it.
    if (EndsWithKvu(name))
        name.resize(name.size() - 4);
    return name;
}

TCompareFormLogic::TCompareFormLogic(TProgram& program, IProgramHost& host) : m_program(program), m_host(host) {}

std::vector<std::string> TCompareFormLogic::HelpLines() {
    return {std::begin(kHelpLines), std::end(kHelpLines)};
}

std::vector<std::string> TCompareFormLogic::Lines() const {
    std::vector<std::string> lines;
    for (const auto& list : m_program.Lists)
        lines.push_back(CompareFormLine(list->FileName));
    return lines;
}

std::vector<bool> TCompareFormLogic::Selection() const {
    std::vector<bool> selection;
    for (const auto& list : m_program.Lists)
        selection.push_back(list->CompareSelected);
    return selection;
}

TMatchOptions TCompareFormLogic::Options() const {
    return {m_program.ListFuncParam[0], m_program.ListFuncParam[1], m_program.LooseMatch};
}

void TCompareFormLogic::Close(const std::vector<bool>& selection, TMatchOptions options) {
    // A join has added a list that has no line yet; it stays unselected.
    for (size_t i = 0; i < selection.size() && i < m_program.Lists.size(); ++i)
        m_program.Lists[i]->CompareSelected = selection[i];
    m_program.ListFuncParam[0] = options.Source;
    m_program.ListFuncParam[1] = options.Media;
    m_program.LooseMatch = options.Loose;
}

bool TCompareFormLogic::AnySelected(const std::vector<bool>& selection) {
    if (std::find(selection.begin(), selection.end(), true) != selection.end())
        return true;
    m_program.ShowMsg(kNothingSelected, Msg::Error, Msg::Ok, Msg::Centre);
    return false;
}

std::vector<TProject*> TCompareFormLogic::OpenLists(size_t count) const {
    std::vector<TProject*> lists;
    for (size_t i = 0; i < count; ++i)
        lists.push_back(m_program.Lists[i].get());
    return lists;
}

bool TCompareFormLogic::Compare(const std::vector<bool>& selection, TMatchOptions options) {
    assert(selection.size() == m_program.Lists.size());
    if (!AnySelected(selection))
        return false;
    const int current = m_program.CurrentListIndex();
    const bool moves = current < 0 || !selection[static_cast<size_t>(current)];
    const auto shown = moves ? std::find(selection.begin(), selection.end(), true) - selection.begin() : current;
    // The view the window shows next is built in the wait too.
    m_host.RunAndWait("Comparing lists", [&] {
        CompareLists(OpenLists(selection.size()), selection, options);
        m_program.Lists[static_cast<size_t>(shown)]->BuildViewAhead(m_program.Filter);
    });
    ShowTab(m_host, static_cast<int>(shown));
    return true;
}

bool TCompareFormLogic::Join(const std::vector<bool>& selection, TMatchOptions options) {
    assert(selection.size() == m_program.Lists.size());
    if (!AnySelected(selection))
        return false;
    // Joined before the new tab appears: a join that fails leaves no empty list behind.
    TArrayOfBootData data;
    std::string error;
    bool joined = false;
    m_host.RunAndWait("Joining lists", [&] {
        joined = JoinLists(OpenLists(selection.size()), selection, m_program.Filter, options, data, error);
    });
    if (!joined) {
        m_program.ShowMsg(error, Msg::Error, Msg::Ok, Msg::Centre);
        return false;
    }
    return ShowMadeList(std::move(data), "join");
}

bool TCompareFormLogic::ShowMadeList(TArrayOfBootData data, const std::string& step) {
    if (OpenMadeList(m_program, std::move(data), step))
        m_host.RefreshView();
    return true;
}

bool TCompareFormLogic::Wants(const std::vector<bool>& selection, TMatchOptions options) {
    assert(selection.size() == m_program.Lists.size());
    const int mine = m_program.CurrentListIndex();
    bool other = false;
    for (size_t i = 0; i < selection.size(); ++i)
        other = other || (selection[i] && static_cast<int>(i) != mine);
    if (mine < 0 || !other) {
        m_program.ShowMsg(kNoOtherSelected, Msg::Error, Msg::Ok, Msg::Centre);
        return false;
    }
    TArrayOfBootData data;
    std::string error;
    bool found = false;
    m_host.RunAndWait("Gathering wants", [&] {
        found = LackingRecords(OpenLists(selection.size()), selection, static_cast<size_t>(mine), options, data, error);
    });
    if (!found) {
        m_program.ShowMsg(error, Msg::Error, Msg::Ok, Msg::Centre);
        return false;
    }
    return ShowMadeList(std::move(data), "wants");
}
