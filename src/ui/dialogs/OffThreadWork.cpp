#include "ui/dialogs/OffThreadWork.h"

#include <QEventLoop>
#include <QProgressDialog>

#include <thread>

namespace {

constexpr int kProgressAfterMs = 300;

} // namespace

bool RunOffThread(QWidget* parent, const QString& title, const QString& text, const std::function<bool()>& work) {
    QProgressDialog progress(text, QString(), 0, 0, parent);
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressAfterMs);
    QEventLoop wait;
    bool done = false;
    std::thread worker([&] {
        done = work();
        QMetaObject::invokeMethod(&wait, "quit", Qt::QueuedConnection);
    });
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    progress.reset();
    return done;
}
