#pragma once

#include <QObject>

#include <functional>
#include <string>

class QFileSystemWatcher;
class QMainWindow;
class QTimer;
class TExcelGrid2;
class TProgram;

// `text` in the window's status line for a few seconds.
void ShowPassingNotice(QMainWindow& window, const std::string& text);

// Watches the files of the open lists. When one changes on the disk an
// unedited list is read again, its cursor kept on the same bootleg, and a
// short notice says so; the user of an edited list is told once. The
// system tells of changes: nothing runs while the files stay as they are.
class TListFileWatch : public QObject {
    Q_OBJECT

public:
    TListFileWatch(TProgram& program, TExcelGrid2& grid, QObject* parent);

    // Follows the files of the lists open now; cheap when nothing changed.
    void Follow();

    // Rebuilds the view after a list was read again.
    std::function<void()> RefreshView;
    // Shows a passing notice.
    std::function<void(const std::string& text)> Notice;
    // True while lists are read away from the window: no list is read
    // again under that work, the check comes later.
    std::function<bool()> Hold;

private:
    void Changed();
    void CheckList(int index);

    TProgram& m_program;
    TExcelGrid2& m_grid;
    QFileSystemWatcher* m_watcher = nullptr;
    // Writers replace a file in several steps: checked once they are done.
    QTimer* m_settle = nullptr;
    bool m_checking = false;
};
