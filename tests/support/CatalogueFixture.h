#pragma once

#include <gtest/gtest.h>

#include "catalogue/CatalogueContext.h"
#include "support/FakeHttpClient.h"
#include "support/RecordingShell.h"
#include "support/TempFolder.h"

namespace orvane::testing {

// A device folder, a working folder, a fake server and a recording shell,
// wired into one CatalogueContext.
class CatalogueFixture : public ::testing::Test {
protected:
    CatalogueFixture() {
        device_.DeviceRoot = deviceFolder_.path();
        SetModel(9, "Course_V40");
    }

    void SetModel(int modelCode, std::string courseFolder) {
        device_.ModelCode = modelCode;
        device_.CourseFolder = std::move(courseFolder);
    }

    TempFolder deviceFolder_;
    TempFolder workFolder_;
    RecordingShell shell_;
    Ui ui_{shell_, Language::English};
    FakeHttpClient http_;
    DeviceLink device_;
    CatalogueData data_;
    CatalogueContext context_{device_, data_, ui_, http_, workFolder_.path()};
};

}  // namespace orvane::testing
