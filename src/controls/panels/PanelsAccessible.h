#pragma once

#include <vector>

class TMyPanel;
class TMyPage;

// The option panel and the vertical tab pages for screen readers. A panel
// is a group of check boxes (radio buttons in radio mode) named by their
// captions; the tab pages are a page tab list whose tabs hold their pages,
// the tab of the page shown selected. The words come from PanelReading.

// Gives every TMyPanel, TMyPage and TMyTab its interface; safe to call more than once.
void InstallPanelsAccessibility();

// Tells screen readers of the items of one panel that were toggled and of
// the item that took the focus frame.
class TPanelAnnouncer {
public:
    explicit TPanelAnnouncer(TMyPanel& panel) : m_panel(panel) {}
    void Changed();
    void FocusIn();

private:
    TMyPanel& m_panel;
    std::vector<bool> m_told;
    int m_toldIndex = 0;
};

// Tells screen readers which page a TMyPage shows now.
void AnnouncePageShown(TMyPage& page);
