#include "gui/CoreWorker.h"

#include <QMetaObject>
#include <exception>

namespace orvane::gui {

CoreWorker::CoreWorker(Session& session) : session_(session), onThread_(new QObject) {
    thread_.setObjectName("orvane-core");
    onThread_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, onThread_, &QObject::deleteLater);
    thread_.start();
}

CoreWorker::~CoreWorker() {
    thread_.quit();
    thread_.wait();
}

void CoreWorker::Run(Job job, std::function<void()> done, Kind kind) {
    if (kind == Kind::Command) ++commands_;
    waiting_.push_back({std::move(job), std::move(done), kind});
    StartNext();
}

void CoreWorker::StartNext() {
    if (running_ || waiting_.empty()) return;
    Waiting next = std::move(waiting_.front());
    waiting_.pop_front();
    running_ = true;
    emit started();
    QMetaObject::invokeMethod(onThread_, [this, next = std::move(next)] {
        QString fault;
        try {
            next.job(session_);
        } catch (const std::exception& error) {
            fault = QString::fromUtf8(error.what());
        }
        QMetaObject::invokeMethod(this, [this, fault, done = next.done, kind = next.kind] {
            running_ = false;
            if (kind == Kind::Command) --commands_;
            if (!fault.isEmpty()) emit failed(fault);
            emit finished();
            if (done) done();
            StartNext();
        }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

}  // namespace orvane::gui
