#include "app/MainWindowRules.h"

#include "device/DeviceLink.h"

namespace orvane {

DevicePicture DevicePictureFor(int modelCode) {
    switch (modelCode) {
        case kFirstGenerationModel: return DevicePicture::FirstGeneration;
        case 2: return DevicePicture::Model2;
        case 5: return DevicePicture::Model5;
        case 6: return DevicePicture::Model6;
        default: return DevicePicture::Current;
    }
}

bool ConfirmExit(Ui& ui) {
    return ui.Ask(text::ExitQuestion.korean, text::ExitQuestion.english, Title::Notice,
                  Buttons::YesNo) == Answer::Yes;
}

}  // namespace orvane
