#include "ListFileWatch.h"

#include "controls/grid/ExcelGrid2.h"
#include "controls/markup/TextCodec.h"
#include "program/ListCommands.h"
#include "program/ListNames.h"
#include "program/Program.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMainWindow>
#include <QSet>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr int kSettleMs = 300;
constexpr int kNoticeMs = 8000;

} // namespace

void ShowPassingNotice(QMainWindow& window, const std::string& text) {
    const bool fresh = !window.findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    QStatusBar* line = window.statusBar();
    // The line takes room only while it says something.
    if (fresh)
        QObject::connect(line, &QStatusBar::messageChanged, line,
                         [line](const QString& now) { line->setVisible(!now.isEmpty()); });
    line->showMessage(BytesToQString(text), kNoticeMs);
    line->show();
}

TListFileWatch::TListFileWatch(TProgram& program, TExcelGrid2& grid, QObject* parent)
    : QObject(parent), m_program(program), m_grid(grid), m_watcher(new QFileSystemWatcher(this)),
      m_settle(new QTimer(this)) {
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleMs);
    connect(m_settle, &QTimer::timeout, this, [this] { Changed(); });
    // A file replaced by a rename loses its watch; its folder still tells.
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { m_settle->start(); });
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_settle->start(); });
}

void TListFileWatch::Follow() {
    QSet<QString> wanted;
    for (const auto& list : m_program.Lists)
        if (!list->FileName.empty()) {
            const QString path = BytesToQString(list->FileName);
            wanted.insert(path);
            wanted.insert(QFileInfo(path).absolutePath());
        }
    QStringList watched = m_watcher->files() + m_watcher->directories();
    QStringList gone;
    for (const QString& path : watched)
        if (!wanted.contains(path))
            gone.append(path);
    if (!gone.isEmpty())
        m_watcher->removePaths(gone);
    QStringList added;
    for (const QString& path : wanted)
        if (!watched.contains(path) && QFileInfo::exists(path))
            added.append(path);
    if (!added.isEmpty())
        m_watcher->addPaths(added);
}

void TListFileWatch::Changed() {
    // A question shown below lets events through: one check at a time.
    if (m_checking)
        return;
    if (Hold && Hold()) {
        m_settle->start();
        return;
    }
    m_checking = true;
    for (int i = 0; i < static_cast<int>(m_program.Lists.size()); ++i)
        CheckList(i);
    m_checking = false;
    Follow();
}

void TListFileWatch::CheckList(int index) {
    TProject& list = *m_program.Lists[static_cast<size_t>(index)];
    const bool shown = index == m_program.CurrentListIndex();
    const int32_t row = m_grid.Row;
    TBootData atCursor;
    if (shown && row >= 1 && static_cast<size_t>(row) <= list.View.size())
        atCursor = list.Data[static_cast<size_t>(list.View[static_cast<size_t>(row - 1)])];
    if (m_program.CheckOutsideChange(index) != TOutsideChange::Reloaded)
        return;
    if (shown && RefreshView) {
        RefreshView();
        m_grid.Row = RowOfSameRecord(list, atCursor, row);
        m_grid.ResetSelection();
        m_grid.ScrollInView();
        m_grid.Invalidate();
    }
    if (Notice)
        Notice("\"" + ListName(list) + "\" was changed on the disk and has been read again.");
}
