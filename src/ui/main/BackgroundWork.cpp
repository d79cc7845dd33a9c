#include "ui/main/BackgroundWork.h"

#include "controls/markup/TextCodec.h"
#include "program/CommandGuard.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <exception>
#include <thread>

struct TBackgroundWork::TJob {
    std::string What;
    std::function<void()> Done;
    std::thread Thread;
    QElapsedTimer Started;
    std::exception_ptr Failure;
};

TBackgroundWork::TBackgroundWork(QObject* parent) : QObject(parent), m_tick(new QTimer(this)) {
    m_tick->setInterval(100);
    connect(m_tick, &QTimer::timeout, this, [this] { Tick(); });
}

TBackgroundWork::~TBackgroundWork() {
    for (auto& job : m_jobs)
        job->Thread.join();
}

void TBackgroundWork::Run(const std::string& what, std::function<void()> work, std::function<void()> done) {
    auto owned = std::make_unique<TJob>();
    TJob* job = owned.get();
    job->What = what;
    job->Done = std::move(done);
    job->Started.start();
    m_jobs.push_back(std::move(owned));
    job->Thread = std::thread([this, job, work = std::move(work)] {
        try {
            work();
        } catch (...) {
            job->Failure = std::current_exception();
        }
        QMetaObject::invokeMethod(
            this, [this, job] { Finish(job); }, Qt::QueuedConnection);
    });
    m_tick->start();
    if (OnChange)
        OnChange();
}

void TBackgroundWork::Finish(TJob* job) {
    job->Thread.join();
    std::unique_ptr<TJob> owned;
    for (auto at = m_jobs.begin(); at != m_jobs.end(); ++at)
        if (at->get() == job) {
            owned = std::move(*at);
            m_jobs.erase(at);
            break;
        }
    if (m_jobs.empty())
        m_tick->stop();
    if (owned->Failure) {
        try {
            std::rethrow_exception(owned->Failure);
        } catch (...) {
            ReportUnexpectedFailure();
        }
    }
    Tick();
    try {
        owned->Done();
    } catch (...) {
        ReportUnexpectedFailure();
    }
    if (OnChange)
        OnChange();
}

void TBackgroundWork::RunAndWait(const std::string& what, const std::function<void()>& work, QWidget* resting) {
    const bool painted = resting && resting->updatesEnabled();
    if (painted)
        resting->setUpdatesEnabled(false);
    bool ended = false;
    std::exception_ptr failure;
    ++m_waiting;
    Run(
        what,
        [&work, &failure] {
            try {
                work();
            } catch (...) {
                failure = std::current_exception();
            }
        },
        [&ended] { ended = true; });
    while (!ended)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    --m_waiting;
    if (painted)
        resting->setUpdatesEnabled(true);
    if (failure)
        std::rethrow_exception(failure);
}

void TBackgroundWork::WaitAll() {
    while (!m_jobs.empty())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
}

QString TBackgroundWork::Progress() const {
    if (m_jobs.empty())
        return {};
    const TJob& oldest = *m_jobs.front();
    const qint64 ms = oldest.Started.elapsed();
    if (ms < kShowAfterMs)
        return {};
    QString text = BytesToQString(oldest.What) + QChar(0x2026);
    if (ms >= 1000)
        text += QStringLiteral(" %1 s").arg(ms / 1000);
    return text;
}

void TBackgroundWork::Tick() {
    const QString now = Progress();
    if (now == m_shown)
        return;
    m_shown = now;
    if (OnChange)
        OnChange();
}
