#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <list>
#include <memory>
#include <string>

class QTimer;
class QWidget;

// Runs the long halves of commands on threads of their own, so that the
// window keeps painting and answering, and hands each one's `done` back to
// the window's thread. What runs longer than a moment is named in
// Progress(), for the window to show.
class TBackgroundWork final : public QObject {
    Q_OBJECT

public:
    // Work shows in Progress() once it has run this long.
    static constexpr int kShowAfterMs = 300;

    explicit TBackgroundWork(QObject* parent = nullptr);
    // Lets running work end, but runs no `done` any more: their window is going.
    ~TBackgroundWork() override;

    void Run(const std::string& what, std::function<void()> work, std::function<void()> done);
    // Returns once every work started so far has run its `done`. The window
    // paints meanwhile but takes no input, so that nothing starts anew.
    void WaitAll();
    // Runs `work` as Run does and returns once it has ended, the window
    // painting but taking no input meanwhile; `resting` (the grid, which
    // reads the lists) does not paint until then. Rethrows what `work` threw.
    void RunAndWait(const std::string& what, const std::function<void()>& work, QWidget* resting = nullptr);
    bool Busy() const { return !m_jobs.empty(); }
    // A RunAndWait is under way.
    bool Waiting() const { return m_waiting > 0; }
    // "Saving My list… 3 s" for the oldest work running longer than a
    // moment, else empty.
    QString Progress() const;

    // Progress() or Busy() changed.
    std::function<void()> OnChange;

private:
    struct TJob;
    void Finish(TJob* job);
    void Tick();

    std::list<std::unique_ptr<TJob>> m_jobs;
    QTimer* m_tick = nullptr;
    QString m_shown;
    int m_waiting = 0;
};
