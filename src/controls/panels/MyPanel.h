#pragma once

#include "controls/panels/OptionPanelModel.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class TBitmapContainer;
class TPanelAnnouncer;

// The option panel: a grid of rounded items with markup captions and
// optional pictures. In check mode every item is an on/off option that a
// click, the space bar or the program toggles; in radio mode the current
// item is the one selected. The panel keeps its height to its rows of items.
// Setters store a changed value and repaint; equal or out-of-bounds values
// change nothing.
class TMyPanel : public QWidget {
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void(TMyPanel& sender)>;
    // `index` from 1; `rect` is the item shrunk by 2 on every side.
    using TDrawItemEvent = std::function<void(TMyPanel& control, int32_t index, const QRect& rect, QPainter& canvas)>;
    using TPaintEvent = std::function<void(TMyPanel& sender, QPainter& canvas)>;
    using TMouseEvent =
        std::function<void(TMyPanel& sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;

    explicit TMyPanel(QWidget* parent = nullptr);
    ~TMyPanel() override;

    // Captions in markup, item 1 first; assigning sets Count to their number.
    const std::vector<std::string>& Items() const { return m_items; }
    void SetItems(const std::vector<std::string>& items);
    int32_t Count() const { return m_model.Count(); }
    void SetCount(int32_t value) { Apply(m_model.SetCount(value)); }

    // False outside 1..Count, where writing is ignored.
    bool Checked(int32_t index) const { return m_model.Checked(index); }
    void SetChecked(int32_t index, bool value) { Apply(m_model.SetChecked(index, value)); }
    // The selection in radio mode, the item with the focus frame in check
    // mode; 0 is none.
    int32_t ItemIndex() const { return m_model.ItemIndex(); }
    void SetItemIndex(int32_t value) { Apply(m_model.SetItemIndex(value)); }

    bool Radio() const { return m_model.Radio(); }
    void SetRadio(bool value) { Apply(m_model.SetRadio(value)); }
    int32_t Columns() const { return m_model.Columns(); }
    void SetColumns(int32_t value) { Apply(m_model.SetColumns(value)); }
    int32_t ItemHeight() const { return m_model.ItemHeight(); }
    void SetItemHeight(int32_t value) { Apply(m_model.SetItemHeight(value)); }
    int32_t BorderSize() const { return m_model.BorderSize(); }
    void SetBorderSize(int32_t value) { Apply(m_model.SetBorderSize(value)); }
    // 0: items numbered down each column, then across; 1: across each row.
    uint8_t Orientation() const { return m_model.Orientation(); }
    void SetOrientation(int32_t value) { Apply(m_model.SetOrientation(value)); }

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value) { Change(m_alignment, value); }
    // bsSingle draws a raised edge around the panel.
    bool BorderSingle() const { return m_borderSingle; }
    void SetBorderSingle(bool value) { Change(m_borderSingle, value); }
    // The background is ShadeColor of the button face instead of Color.
    bool ColorCalculate() const { return m_colorCalculate; }
    void SetColorCalculate(bool value) { Change(m_colorCalculate, value); }
    QColor Color() const { return m_color; }
    void SetColor(const QColor& value) { Change(m_color, value); }
    // Pixels by which captions move up; takes effect at the next paint.
    int32_t FontOffset() const { return m_fontOffset; }
    void SetFontOffset(int32_t value) { m_fontOffset = value; }

    // Item pictures: bitmap BmpIndex (from 1; 0 none) of the container holds
    // them side by side, equal widths. The container must outlive the panel
    // or be unset first. Each picture is drawn with the colour of its own
    // bottom-left pixel as transparent.
    const TBitmapContainer* BmpContainer() const { return m_container; }
    void SetBmpContainer(const TBitmapContainer* value);
    int32_t BmpIndex() const { return m_bmpIndex; }
    void SetBmpIndex(int32_t value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value) { m_transparent = value; }

    TNotifyEvent OnActivate;
    TNotifyEvent OnChange;
    // A left-button click: released over the panel.
    TNotifyEvent OnClick;
    TDrawItemEvent OnDrawItem;
    TMouseEvent OnMouseDown;
    TPaintEvent OnPaint;

    // Whether Tab reaches the panel and a click focuses it; off at first.
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus); }

    // The state behind the panel, for readers of it (screen readers).
    const TOptionPanelModel& Model() const { return m_model; }

    // The fill of checked and selected items for the current palette.
    QColor SelectedColor() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    template <typename T> void Change(T& stored, const T& value) {
        if (stored == value)
            return;
        stored = value;
        update();
    }
    void Apply(bool changed);
    void FitHeight();
    void LoadPictures();
    int32_t GlyphWidth() const;
    void DrawPicture(QPainter& painter, int32_t index, int32_t left, const QRect& item, int32_t glyphWidth) const;
    void Fire();

    TOptionPanelModel m_model;
    std::vector<std::string> m_items;
    TAlignment m_alignment = taCenter;
    bool m_borderSingle = false;
    bool m_colorCalculate = true;
    QColor m_color;
    int32_t m_fontOffset = 0;
    const TBitmapContainer* m_container = nullptr;
    int32_t m_bmpIndex = 0;
    bool m_transparent = false;
    QImage m_strip;
    int32_t m_wheelRest = 0;
    std::unique_ptr<TPanelAnnouncer> m_announcer;
};
