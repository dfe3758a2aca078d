#pragma once

#include <QApplication>
#include <chrono>
#include <filesystem>
#include <functional>
#include <vector>

#include "WindowDriver.h"
#include "gui/CViewScore.h"
#include "records/RoundRecord.h"

namespace orvane::testing {

// The visible window of type T, once one is shown; nullptr when none came
// within `timeout`.
template <typename T>
T* WaitForWindow(std::chrono::milliseconds timeout = std::chrono::seconds(30)) {
    T* found = nullptr;
    WaitFor(
        [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* typed = qobject_cast<T*>(window); typed && typed->isVisible()) {
                    found = typed;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return found;
}

// Whether a window of type T is shown.
template <typename T>
bool WindowShown() {
    return WaitForWindow<T>(std::chrono::milliseconds(0)) != nullptr;
}

// Runs `job` on the window's worker as soon as it is free and waits for it.
void RunOnWorker(WindowDriver& driver, const std::function<void(Session&)>& job);

// Opens a score card from the viewer (which the record folder must fill)
// on the row of `fileName` and waits for the club's details.
gui::CViewScore* OpenScoreCard(WindowDriver& driver, const std::string& fileName);

// The record folder's rounds as the core lists them, without a catalogue.
std::vector<RecordEntry> SavedRounds(const std::filesystem::path& folder);

// The saved round files of `folder` for which `wanted` holds, in the
// folder's list order.
std::vector<std::string> RoundFiles(const std::filesystem::path& folder,
                                    const std::function<bool(const RecordEntry&)>& wanted);

// A round with the club's holes on the server, of 18 or of 9 holes.
bool EighteenWithMap(const RecordEntry& entry);
bool NineWithMap(const RecordEntry& entry);

}  // namespace orvane::testing
