#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// The program's pictures drawn from their vector sources (embedded under
// ":/icons"), so that they stay sharp at any scale of the screen. Where a
// picture is shown at one device pixel per point its stored bitmap is used,
// which is drawn for that size pixel by pixel; a picture without a vector
// source is scaled from its bitmap.

// The source of tool-bar picture `image` (its file starts with the two-digit
// slot), or an empty string.
QString ToolbarPictureSource(int image);
// The source of the stored bitmap `index` of the main window's container
// (2 to 6, the marks), or an empty string.
QString MarkPictureSource(int index);

// The program's own icon, for its windows' title bars and task bars.
QIcon ProgramIcon();

// An icon that draws `source` at every size but `bitmap`'s own, where it
// shows `bitmap`.
QIcon VectorIcon(const QString& source, const QPixmap& bitmap);
// `bitmap`'s picture for a device of `ratio` device pixels per point: as
// large as `bitmap` in points, drawn from `source` when the ratio is not 1.
QPixmap VectorPixmap(const QString& source, const QImage& bitmap, qreal ratio);
