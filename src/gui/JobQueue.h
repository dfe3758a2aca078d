#pragma once

#include <QObject>
#include <deque>
#include <functional>

#include "gui/CoreWorker.h"

namespace orvane::gui {

// The record windows' core jobs, run on the worker in the order they were
// asked for. The worker takes one job at a time and the main window's look
// at the device takes it once a second; a job asked for meanwhile waits for
// it instead of being dropped as the main window drops input.
class JobQueue : public QObject {
    Q_OBJECT
public:
    explicit JobQueue(CoreWorker& worker);

    void Run(CoreWorker::Job job, std::function<void()> done = {});

private:
    struct Waiting {
        CoreWorker::Job job;
        std::function<void()> done;
    };
    void StartNext();

    CoreWorker& worker_;
    std::deque<Waiting> waiting_;
    bool running_ = false;
};

}  // namespace orvane::gui
