#include "controls/panels/PanelsAccessible.h"

#include "controls/markup/MarkupPlainText.h"
#include "controls/markup/QtAccessiblePart.h"
#include "controls/panels/MyPage.h"
#include "controls/panels/MyPanel.h"
#include "controls/panels/PanelReading.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace {

QString PlainCaption(const std::string& markup) {
    const std::string plain = MarkupPlainText(markup);
    return QString::fromUtf8(plain.data(), static_cast<qsizetype>(plain.size()));
}

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, std::max(0, r.Right - r.Left), std::max(0, r.Bottom - r.Top));
}

class TPanelItemAccessible : public TAccessiblePart {
public:
    TPanelItemAccessible(TMyPanel& panel, int32_t index) : TAccessiblePart(panel), m_index(index) {}

    bool isValid() const override { return TAccessiblePart::isValid() && m_index <= Panel().Count(); }
    QString text(QAccessible::Text t) const override {
        const std::vector<std::string>& items = Panel().Items();
        if (t != QAccessible::Name || !isValid() || static_cast<size_t>(m_index) > items.size())
            return {};
        return PlainCaption(items[static_cast<size_t>(m_index - 1)]);
    }
    QRect rect() const override {
        return isValid() ? OnScreen(Panel(), ToQRect(Panel().Model().ItemRect(m_index, Panel().width()))) : QRect();
    }
    QAccessible::Role role() const override {
        return isValid() && Panel().Radio() ? QAccessible::RadioButton : QAccessible::CheckBox;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const TMyPanel& panel = Panel();
        state.checkable = true;
        state.checked = SpokenChecked(panel.Model(), m_index);
        state.focusable = panel.TabStop();
        state.focused = panel.hasFocus() && panel.ItemIndex() == m_index;
        state.disabled = !panel.isEnabled();
        return state;
    }

private:
    TMyPanel& Panel() const { return *static_cast<TMyPanel*>(Owner()); }
    int32_t m_index;
};

class TPanelAccessible : public TPartsAccessible {
public:
    explicit TPanelAccessible(TMyPanel* panel) : TPartsAccessible(panel, QAccessible::Grouping) {}

    QAccessibleInterface* focusChild() const override {
        return Panel().hasFocus() ? child(Panel().ItemIndex() - 1) : nullptr;
    }

protected:
    int PartCount() const override { return Panel().Count(); }
    QAccessibleInterface* NewPart(int index) const override { return new TPanelItemAccessible(Panel(), index + 1); }
    int PartAt(const QPoint& at) const override { return Panel().Model().HitTest(at.x(), at.y(), Panel().width()) - 1; }

private:
    TMyPanel& Panel() const { return *static_cast<TMyPanel*>(widget()); }
};

// One tab of the column; its page is its one child.
class TTabAccessible : public TAccessiblePart {
public:
    TTabAccessible(TMyPage& page, int32_t number) : TAccessiblePart(page), m_number(number) {}

    bool isValid() const override { return TAccessiblePart::isValid() && Tab() != nullptr; }
    int childCount() const override { return isValid() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && isValid() ? QAccessible::queryAccessibleInterface(Tab()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && isValid() && child->object() == Tab() ? 0 : -1;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? PlainCaption(Tab()->Caption()) : QString();
    }
    QRect rect() const override {
        return isValid() ? OnScreen(Pages(), ToQRect(Pages().Model().TabRect(m_number))) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invalid = !isValid();
        state.selectable = true;
        state.selected = isValid() && Pages().ActivePage() == m_number;
        return state;
    }

private:
    TMyPage& Pages() const { return *static_cast<TMyPage*>(Owner()); }
    TMyTab* Tab() const { return m_number <= Pages().Model().TabCount() ? Pages().PageByIndex(m_number) : nullptr; }
    int32_t m_number;
};

class TPageAccessible : public TPartsAccessible {
public:
    explicit TPageAccessible(TMyPage* page) : TPartsAccessible(page, QAccessible::PageTabList) {}

protected:
    int PartCount() const override { return Pages().Model().TabCount(); }
    QAccessibleInterface* NewPart(int index) const override { return new TTabAccessible(Pages(), index + 1); }
    int PartAt(const QPoint& at) const override { return Pages().Model().TabAt(at.x(), at.y()) - 1; }

private:
    TMyPage& Pages() const { return *static_cast<TMyPage*>(widget()); }
};

// A page hangs below its tab, as the tab holds it.
class TTabPageAccessible : public QAccessibleWidget {
public:
    explicit TTabPageAccessible(TMyTab* tab) : QAccessibleWidget(tab, QAccessible::Pane) {}

    QAccessibleInterface* parent() const override {
        const auto* tab = static_cast<TMyTab*>(widget());
        auto* pages = qobject_cast<TMyPage*>(tab->parentWidget());
        QAccessibleInterface* list = pages ? QAccessible::queryAccessibleInterface(pages) : nullptr;
        QAccessibleInterface* owner = list ? list->child(tab->Index() - 1) : nullptr;
        return owner != nullptr && owner->indexOfChild(this) == 0 ? owner : QAccessibleWidget::parent();
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return PlainCaption(static_cast<TMyTab*>(widget())->Caption());
        return QAccessibleWidget::text(t);
    }
};

template <typename TWidget, typename TInterface> QAccessibleInterface* Make(TWidget* widget) {
    return new TInterface(widget);
}

} // namespace

void InstallPanelsAccessibility() {
    QAccessible::installFactory(AccessibleFactoryOf<TMyPanel, Make<TMyPanel, TPanelAccessible>>);
    QAccessible::installFactory(AccessibleFactoryOf<TMyPage, Make<TMyPage, TPageAccessible>>);
    QAccessible::installFactory(AccessibleFactoryOf<TMyTab, Make<TMyTab, TTabPageAccessible>>);
}

void TPanelAnnouncer::Changed() {
    const std::vector<int32_t> toggled = TakeToggledItems(m_panel.Model(), m_told);
    const int before = m_toldIndex;
    m_toldIndex = m_panel.ItemIndex();
    if (!QAccessible::isActive())
        return;
    for (int32_t index : toggled) {
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent event(&m_panel, checked);
        event.setChild(index - 1);
        QAccessible::updateAccessibility(&event);
    }
    if (m_toldIndex != before)
        FocusIn();
}

void TPanelAnnouncer::FocusIn() {
    if (!QAccessible::isActive() || !m_panel.hasFocus() || m_panel.ItemIndex() < 1 ||
        m_panel.ItemIndex() > m_panel.Count())
        return;
    QAccessibleEvent event(&m_panel, QAccessible::Focus);
    event.setChild(m_panel.ItemIndex() - 1);
    QAccessible::updateAccessibility(&event);
}

void AnnouncePageShown(TMyPage& page) {
    if (!QAccessible::isActive() || page.ActivePage() < 1)
        return;
    QAccessibleEvent event(&page, QAccessible::Selection);
    event.setChild(page.ActivePage() - 1);
    QAccessible::updateAccessibility(&event);
}
