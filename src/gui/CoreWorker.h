#pragma once

#include <QObject>
#include <QThread>
#include <deque>
#include <functional>

#include "app/Session.h"

namespace orvane::gui {

// Runs the core's long operations (connection, transfer steps, deletion,
// searches, tab changes, record loading) one at a time, in the order they
// were asked for, on a thread of its own, so that the window keeps painting
// whatever the device or the server does. While a job runs the window reads
// no core state; when it has ended, `finished` lets the window's models catch
// up before the job's own continuation and the next job run.
class CoreWorker : public QObject {
    Q_OBJECT
public:
    using Job = std::function<void(Session&)>;
    // A person's command makes the window wait; the once-a-second look at
    // the device runs behind it and does not.
    enum class Kind { Command, Background };

    explicit CoreWorker(Session& session);
    ~CoreWorker() override;
    CoreWorker(const CoreWorker&) = delete;
    CoreWorker& operator=(const CoreWorker&) = delete;

    // Runs `job` on the worker thread once the jobs before it have ended,
    // then, on the window's thread, emits `finished` and runs `done`.
    void Run(Job job, std::function<void()> done = {}, Kind kind = Kind::Command);
    // A command runs or waits.
    bool busy() const { return commands_ > 0; }
    // Any job runs or waits.
    bool working() const { return running_ || !waiting_.empty(); }

signals:
    void started();
    void finished();
    // A job ended with an exception: the core meant to handle every input,
    // so this is a fault worth telling.
    void failed(const QString& what);

private:
    struct Waiting {
        Job job;
        std::function<void()> done;
        Kind kind;
    };
    void StartNext();

    Session& session_;
    QThread thread_;
    QObject* onThread_;
    std::deque<Waiting> waiting_;
    bool running_ = false;
    int commands_ = 0;
};

}  // namespace orvane::gui
