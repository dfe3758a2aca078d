#include "gui/JobQueue.h"

namespace orvane::gui {

JobQueue::JobQueue(CoreWorker& worker) : worker_(worker) {
    // Queued: the job that ended has run its own completion first.
    connect(&worker_, &CoreWorker::finished, this, &JobQueue::StartNext, Qt::QueuedConnection);
}

void JobQueue::Run(CoreWorker::Job job, std::function<void()> done) {
    waiting_.push_back({std::move(job), std::move(done)});
    StartNext();
}

void JobQueue::StartNext() {
    if (running_ || waiting_.empty()) return;
    Waiting& next = waiting_.front();
    const bool started = worker_.Run(next.job, [this, done = next.done] {
        running_ = false;
        if (done) done();
    });
    if (!started) return;
    running_ = true;
    waiting_.pop_front();
}

}  // namespace orvane::gui
