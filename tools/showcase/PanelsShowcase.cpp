// The option panel, the owner-drawn list box and the vertical tab pages in
// their states, side by side: panels_showcase [OUT.png] shows the window, or
// grabs it into OUT.png.

#include "controls/markup/QtColorScheme.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/RichLabel.h"
#include "controls/panels/MyListBox.h"
#include "controls/panels/MyPage.h"
#include "controls/panels/MyPanel.h"
#include "core/BitmapContainer.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QTest>

#include <cstdio>

namespace {

const std::vector<std::string> kProperties = {"01 Band", "02 Date",         "03 City",   "04 Country", "05 Venue",
                                              "------",  "06 Bootleg name", "07 Source", "08 Media"};

// Three 16 x 16 pictures side by side on a magenta key colour.
std::string PictureStrip() {
    QImage strip(48, 16, QImage::Format_RGB32);
    strip.fill(Qt::magenta);
    QPainter painter(&strip);
    painter.setPen(Qt::black);
    painter.setBrush(QColor(220, 60, 40));
    painter.drawEllipse(2, 2, 11, 11);
    painter.setBrush(QColor(40, 140, 60));
    painter.drawRect(18, 3, 11, 10);
    painter.setBrush(QColor(40, 80, 200));
    painter.drawPolygon(QPolygon({QPoint(40, 2), QPoint(46, 13), QPoint(34, 13)}));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    strip.save(&buffer, "BMP");
    return bytes.toStdString();
}

TRichLabel* Frame(QWidget* parent, const QRect& at, const std::string& caption) {
    auto* label = new TRichLabel(parent);
    label->setGeometry(at);
    label->SetVAlignment(taLeftJustify);
    label->SetCaption(caption);
    return label;
}

TMyPanel* Panel(QWidget* parent, const QRect& at, const std::vector<std::string>& items, int itemHeight) {
    auto* panel = new TMyPanel(parent);
    panel->setGeometry(at);
    panel->SetItemHeight(itemHeight);
    panel->SetItems(items);
    return panel;
}

// Exported lines bold, the separator as a thin line, as the export window draws them.
void DrawProperty(TMyListBox& box, int32_t index, const QRect& rect, TOwnerDrawState, QPainter& canvas) {
    canvas.fillRect(rect, canvas.brush());
    const std::string text = box.ItemText(index);
    if (text.front() == '-') {
        canvas.drawLine(rect.left() + 6, rect.center().y(), rect.right() - 6, rect.center().y());
        return;
    }
    QFont font = canvas.font();
    font.setBold(index < 5);
    canvas.setFont(font);
    canvas.drawText(rect.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                    QString::fromStdString(text.substr(3)));
}

// The selected lines go, as a block, before the line they are dropped on.
void MoveSelectedLines(TMyListBox& box, QObject*, int x, int y) {
    const int32_t target = box.ItemAtPos(QPoint(x, y), false);
    std::vector<std::string> before, moved, after;
    for (int32_t i = 0; i < box.Count(); ++i)
        (box.Selected(i) ? moved : i < target ? before : after).push_back(box.ItemText(i));
    const size_t first = before.size();
    before.insert(before.end(), moved.begin(), moved.end());
    before.insert(before.end(), after.begin(), after.end());
    box.SetItems(before);
    for (size_t i = first; i < first + moved.size(); ++i)
        box.SetSelected(static_cast<int32_t>(i), true);
}

TMyListBox* ListBox(QWidget* parent, const QRect& at, int textOffset) {
    auto* box = new TMyListBox(parent);
    box->setGeometry(at);
    box->SetItemHeight(14);
    box->SetMultiSelect(true);
    box->SetTextOffset(textOffset);
    box->SetItems(kProperties);
    box->SetSelected(1, true);
    box->SetSelected(3, true);
    box->SetItemIndex(3);
    box->SetSelected(3, true);
    return box;
}

TMyPage* Pages(QWidget* parent, const QRect& at, bool vertical, int32_t active) {
    auto* page = new TMyPage(parent);
    page->setGeometry(at);
    page->SetTextVertical(vertical);
    if (vertical) {
        page->SetTabWidth(40);
        page->SetTabHeight(80);
    }
    const char* captions[] = {"Text", "|b Covers", "Info||two lines"};
    for (int32_t i = 1; i <= 3; ++i) {
        auto* tab = new TMyTab(page);
        tab->SetIndex(i);
        tab->SetCaption(captions[i - 1]);
        Frame(tab, QRect(10, 10, 150, 60), "Page " + std::to_string(i));
    }
    page->Loaded();
    page->SetActivePage(active);
    return page;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyPaletteFromEnvironment();
    QWidget window;
    window.setWindowTitle("Option panels, list boxes and tab pages");
    window.setFont(MarkupFont("Arial", -11));
    window.resize(900, 560);

    TBitmapContainer pictures;
    pictures.Add(PictureStrip());

    Frame(&window, QRect(5, 10, 136, 86), "|b Parameters");
    TMyPanel* check = Panel(&window, QRect(15, 35, 116, 48), {"Source", "Media"}, 24);
    check->SetChecked(1, true);

    Frame(&window, QRect(150, 10, 136, 106), "|b Focused");
    TMyPanel* focused =
        Panel(&window, QRect(160, 35, 116, 70), {"Divide by||| tours ", "Band name||| before tour name "}, 35);
    focused->SetChecked(2, true);
    focused->SetItemIndex(2);
    focused->SetTabStop(true);

    Frame(&window, QRect(295, 10, 250, 110), "|b Radio, across the rows");
    TMyPanel* radio = Panel(&window, QRect(305, 35, 230, 70), {"One", "Two", "Three", "Four", "Five", "|b Six"}, 24);
    radio->SetRadio(true);
    radio->SetColumns(3);
    radio->SetOrientation(1);
    radio->SetBorderSize(4);
    radio->SetBorderSingle(true);
    radio->SetItemIndex(5);

    Frame(&window, QRect(555, 10, 330, 110), "|b Disabled: check and radio");
    TMyPanel* disabledCheck = Panel(&window, QRect(565, 35, 150, 48), {"Source", "Media"}, 24);
    disabledCheck->SetChecked(2, true);
    disabledCheck->setEnabled(false);
    TMyPanel* disabledRadio = Panel(&window, QRect(725, 35, 150, 48), {"Source", "Media"}, 24);
    disabledRadio->SetRadio(true);
    disabledRadio->setEnabled(false);

    Frame(&window, QRect(5, 130, 540, 110), "|b Pictures: left, centre, right");
    const std::vector<std::string> pictured = {"Front", "Back", "|b Info"};
    const TAlignment aligns[] = {taLeftJustify, taCenter, taRightJustify};
    for (int i = 0; i < 3; ++i) {
        TMyPanel* panel = Panel(&window, QRect(15 + i * 175, 155, 170, 72), pictured, 24);
        panel->SetAlignment(aligns[i]);
        panel->SetBmpContainer(&pictures);
        panel->SetBmpIndex(1);
        panel->SetChecked(2, true);
    }

    Frame(&window, QRect(555, 130, 330, 110), "|b Down the columns, small font offset");
    TMyPanel* columns = Panel(&window, QRect(565, 155, 310, 72), {"a", "b", "c", "d", "e", "f", "|z15 g"}, 24);
    columns->SetColumns(3);
    columns->SetFontOffset(2);
    for (int32_t i : {1, 4, 7})
        columns->SetChecked(i, true);

    Frame(&window, QRect(5, 250, 206, 150), "|b Lists");
    ListBox(&window, QRect(15, 275, 186, 115), 0);
    Frame(&window, QRect(215, 250, 206, 150), "|b Owner-drawn, margin 20");
    TMyListBox* drawn = ListBox(&window, QRect(225, 275, 186, 115), 20);
    drawn->OnDrawItem = DrawProperty;
    drawn->SetDragAutomatic(true);
    drawn->OnDragOver = [](TMyListBox& box, QObject* source, int, int, bool& accept) { accept = source == &box; };
    drawn->OnDragDrop = MoveSelectedLines;
    Frame(&window, QRect(425, 250, 206, 150), "|b Disabled");
    ListBox(&window, QRect(435, 275, 186, 115), 0)->setEnabled(false);

    Pages(&window, QRect(5, 410, 300, 140), false, 2);
    Pages(&window, QRect(315, 410, 300, 140), false, 1);
    Pages(&window, QRect(640, 250, 250, 300), true, 1);

    window.show();
    if (argc < 2)
        return app.exec();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        return 1;
    focused->setFocus();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
