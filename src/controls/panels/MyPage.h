#pragma once

#include "controls/panels/TabColumnModel.h"

#include <QColor>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QPainter;
class TMyPage;

// One page of a TMyPage: a plain container of controls, hidden until it
// becomes the page shown. Its Index (from 1) is its place among the tabs.
class TMyTab : public QWidget {
    Q_OBJECT

public:
    explicit TMyTab(QWidget* parent = nullptr);

    // The tab's markup caption.
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value);
    QColor Color() const { return m_color; }
    void SetColor(const QColor& value);
    // Only stored; pages are never renumbered.
    int32_t Index() const { return m_index; }
    void SetIndex(int32_t value) { m_index = value; }

signals:
    // The caption changed: the tab column repaints.
    void CaptionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::string m_caption;
    QColor m_color;
    int32_t m_index = 0;
};

// A page control with its tabs in a column along the left edge, one below
// the other, with markup captions that can run upwards. Its TMyTab children
// are the pages and fill the area right of the tabs. The first page shows
// when the control is first shown (or Loaded() is called); a click on
// another tab, Ctrl+Tab and Ctrl+Shift+Tab switch pages and raise OnChange.
class TMyPage : public QWidget {
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void(TMyPage& sender)>;

    explicit TMyPage(QWidget* parent = nullptr);
    ~TMyPage() override;

    TAlignment AlignText() const { return m_model.AlignText(); }
    void SetAlignText(TAlignment value) { Apply(m_model.SetAlignText(value)); }
    // Captions turned by 90 degrees, reading upwards.
    bool TextVertical() const { return m_model.TextVertical(); }
    void SetTextVertical(bool value) { Apply(m_model.SetTextVertical(value)); }
    // Both take values above 0 only.
    int32_t TabWidth() const { return m_model.TabWidth(); }
    void SetTabWidth(int32_t value);
    int32_t TabHeight() const { return m_model.TabHeight(); }
    void SetTabHeight(int32_t value) { Apply(m_model.SetTabHeight(value)); }
    // The background of the page area and of the active tab.
    QColor Color() const { return m_color; }
    void SetColor(const QColor& value);

    // The page children, in child order.
    std::vector<TMyTab*> Pages() const;
    // The first page whose Index is `number`, or none.
    TMyTab* PageByIndex(int32_t number) const;
    // 0 before the pages are loaded, then the Index of the page shown.
    int32_t ActivePage() const { return m_model.ActivePage(); }
    // Shows page `number` and focuses its first control; ignored for the
    // page shown and for numbers no page has. Raises no OnChange.
    void SetActivePage(int32_t number);
    // One page on or back, wrapping. Raises no OnChange.
    void NextPage(bool backwards);
    // Takes the pages and shows page 1; runs by itself at the first show.
    void Loaded();

    // The tab column behind the control, for readers of it (screen readers).
    const TTabColumnModel& Model() const { return m_model; }

    // The user switched pages (Ctrl+Tab raises it even with one page).
    TNotifyEvent OnChange;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void childEvent(QChildEvent* event) override;

private:
    void Apply(bool changed);
    // Ctrl+Tab or Ctrl+Shift+Tab anywhere in the window.
    void DialogKey(bool backwards);
    void SyncPages();
    void LayoutPages();
    void Show(int32_t before);
    void DrawTab(QPainter& painter, int32_t number, const TMyTab& page);

    TTabColumnModel m_model;
    QColor m_color;
};
