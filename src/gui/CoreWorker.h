#pragma once

#include <QObject>
#include <QThread>
#include <functional>

#include "app/Session.h"

namespace orvane::gui {

// Runs the core's long operations (connection, transfer steps, deletion,
// searches, tab changes, record loading) one at a time on a thread of its
// own, so that the window keeps painting whatever the device or the server
// does. While a job runs the window reads no core state; when it has
// ended, `finished` lets the window's models catch up before anything else
// happens.
class CoreWorker : public QObject {
    Q_OBJECT
public:
    using Job = std::function<void(Session&)>;

    explicit CoreWorker(Session& session);
    ~CoreWorker() override;
    CoreWorker(const CoreWorker&) = delete;
    CoreWorker& operator=(const CoreWorker&) = delete;

    // Runs `job` on the worker thread, then, on the window's thread, emits
    // `finished` and runs `done`. Returns false, running nothing, while
    // another job runs.
    bool Run(Job job, std::function<void()> done = {});
    bool busy() const { return busy_; }

signals:
    void started();
    void finished();
    // A job ended with an exception: the core meant to handle every input,
    // so this is a fault worth telling.
    void failed(const QString& what);

private:
    Session& session_;
    QThread thread_;
    QObject* onThread_;
    bool busy_ = false;
};

}  // namespace orvane::gui
