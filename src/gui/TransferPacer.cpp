#include "gui/TransferPacer.h"

namespace orvane::gui {
namespace {

constexpr int kNextStepMs = 10;
constexpr int kRetryStepMs = 7000;

}  // namespace

TransferPacer::TransferPacer(CoreWorker& worker, const Transfer& transfer)
    : worker_(worker), transfer_(transfer) {
    nextStep_.setSingleShot(true);
    nextStep_.setInterval(kNextStepMs);
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryStepMs);
    connect(&nextStep_, &QTimer::timeout, this, &TransferPacer::PostStep);
    connect(&retry_, &QTimer::timeout, this, [this] {
        // A step still on the worker has not finished yet; a step lost on
        // the way is posted again.
        if (running_ && !worker_.working()) PostStep();
    });
}

void TransferPacer::Begin() {
    running_ = true;
    stopRequested_ = false;
    PostStep();
}

void TransferPacer::RequestStop() {
    if (running_) stopRequested_ = true;
}

void TransferPacer::PostStep() {
    if (!running_) return;
    if (stopRequested_) {
        worker_.Run([](Session& session) { session.transfer.Stop(); }, [this] { End(); });
        return;
    }
    if (!transfer_.StepPending()) {
        End();
        return;
    }
    retry_.start();
    const int parameter = transfer_.stepParameter();
    worker_.Run([parameter](Session& session) { session.transfer.TransferStep(parameter); },
                [this] { StepDone(); });
}

void TransferPacer::StepDone() {
    retry_.stop();
    if (transfer_.StepPending() || stopRequested_) {
        nextStep_.start();
    } else {
        End();
    }
}

void TransferPacer::End() {
    retry_.stop();
    nextStep_.stop();
    running_ = false;
    stopRequested_ = false;
    emit ended();
}

}  // namespace orvane::gui
