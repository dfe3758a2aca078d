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

bool CoreWorker::Run(Job job, std::function<void()> done) {
    if (busy_) return false;
    busy_ = true;
    emit started();
    QMetaObject::invokeMethod(onThread_, [this, job = std::move(job), done = std::move(done)] {
        QString fault;
        try {
            job(session_);
        } catch (const std::exception& error) {
            fault = QString::fromUtf8(error.what());
        }
        QMetaObject::invokeMethod(this, [this, fault, done] {
            busy_ = false;
            if (!fault.isEmpty()) emit failed(fault);
            emit finished();
            if (done) done();
        }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
    return true;
}

}  // namespace orvane::gui
