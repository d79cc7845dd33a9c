#include "ui/dialogs/OffThreadWork.h"

#include <QEventLoop>
#include <QProgressDialog>

#include <exception>
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
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            done = work();
        } catch (...) {
            failure = std::current_exception(); // told where the command began
        }
        QMetaObject::invokeMethod(&wait, "quit", Qt::QueuedConnection);
    });
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    progress.reset();
    if (failure)
        std::rethrow_exception(failure);
    return done;
}
