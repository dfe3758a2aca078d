#pragma once

#include "shell/Ui.h"

namespace orvane {

// The device pictures, by the ids the system gives them.
enum class DevicePicture { FirstGeneration = 218, Model2 = 219, Model5 = 221, Model6 = 222, Current = 224 };

// The picture of a model; models 3, 7, 8, 9 and any unknown one show the
// current family's.
DevicePicture DevicePictureFor(int modelCode);

// The toolbar button (1158..1162) that marks continent tab `continent`.
constexpr int ToolbarButtonOf(int continent) { return 1158 + continent; }

// "Are you exit ?": true when the person answers Yes.
bool ConfirmExit(Ui& ui);

}  // namespace orvane
