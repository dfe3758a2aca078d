#pragma once

#include <QObject>
#include <QTimer>

#include "gui/CoreWorker.h"

namespace orvane::gui {

// Runs a started transfer one course per step, as the system paces it: the
// next step 10 ms after one has stored its course, and a step that has not
// come back within 7 seconds posted again (the worker ignores it while the
// step still runs, the core ignores a step that arrives inside another).
// The window paints between steps; Stop ends the transfer after the map
// being stored, as the cancelled case does.
class TransferPacer : public QObject {
    Q_OBJECT
public:
    TransferPacer(CoreWorker& worker, const Transfer& transfer);

    // The transfer's queue is filled: post its first step.
    void Begin();
    void RequestStop();
    bool running() const { return running_; }

signals:
    // The transfer has ended: finished, failed, cancelled or stopped.
    void ended();

private:
    void PostStep();
    void StepDone();
    void End();

    CoreWorker& worker_;
    const Transfer& transfer_;
    QTimer nextStep_;
    QTimer retry_;
    bool running_ = false;
    bool stopRequested_ = false;
};

}  // namespace orvane::gui
