#pragma once

#include <QComboBox>
#include <QString>
#include <QStyledItemDelegate>

#include <string>
#include <vector>

// How the lines of a band-and-tour list look wherever one is shown: the
// "all" line and the bands in bold capitals (a..z only), the tours indented
// under their band. The line's four-character prefix is not shown.

constexpr int kTourLineHeight = 14;

struct TTourLineLook {
    QString Text;
    bool Band = false;
};
TTourLineLook TourLineLook(const std::string& line);

void DrawTourLine(QPainter& painter, const QRect& rect, const QFont& font, const TTourLineLook& look,
                  const QColor& pen);

// Draws items whose text is the look's text and whose Qt::UserRole holds its Band flag.
class TTourLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// A drop-down list of band-and-tour lines; the closed box draws its line
// as the list does.
class TTourComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TTourComboBox(QWidget* parent = nullptr);
    // Replaces the lines without reporting a change of the chosen line.
    void SetLines(const std::vector<std::string>& lines);

protected:
    void paintEvent(QPaintEvent* event) override;
};
