#include "gui/AreaTabs.h"

#include "gui/Translated.h"
#include "gui/WindowStyle.h"
#include "shell/FrontEndTexts.h"

namespace orvane::gui {
namespace {

// The strips are 27 pixels apart, 351 dialog units wide.
constexpr int kStripHeight = 27;

QTabBar* Strip(QWidget* parent, int row) {
    auto* strip = new QTabBar(parent);
    strip->setGeometry(0, row * kStripHeight, FromDialogUnits(0, 0, 351, 0).width(), kStripHeight);
    strip->setUsesScrollButtons(true);
    strip->setExpanding(false);
    strip->setElideMode(Qt::ElideNone);
    strip->setDrawBase(true);
    return strip;
}

void Fill(QTabBar& strip, const TabStrip& from) {
    while (strip.count() > static_cast<int>(from.labels.size())) strip.removeTab(strip.count() - 1);
    for (std::size_t i = 0; i < from.labels.size(); ++i) {
        const QString label = FromCore(from.labels[i]);
        const int index = static_cast<int>(i);
        if (index < strip.count()) {
            if (strip.tabText(index) != label) strip.setTabText(index, label);
        } else {
            strip.addTab(label);
        }
    }
    if (from.selected >= 0 && from.selected < strip.count()) strip.setCurrentIndex(from.selected);
    strip.setVisible(from.visible && !from.labels.empty());
}

}  // namespace

AreaTabs::AreaTabs(QWidget* parent)
    : QWidget(parent), country_(Strip(this, 0)), region_(Strip(this, 1)), subArea_(Strip(this, 2)) {
    setFixedSize(FromDialogUnits(0, 0, 351, 0).width(), 3 * kStripHeight);
    subArea_->hide();
    const auto report = [this](QTabBar* strip, void (AreaTabs::*signal)(int)) {
        connect(strip, &QTabBar::currentChanged, this, [this, signal](int tab) {
            if (!mirroring_ && tab >= 0) emit(this->*signal)(tab);
        });
    };
    report(country_, &AreaTabs::countryClicked);
    report(region_, &AreaTabs::regionClicked);
    report(subArea_, &AreaTabs::subAreaClicked);
}

void AreaTabs::Mirror(const Browser& browser, Language language) {
    mirroring_ = true;
    Fill(*country_, browser.countryTab);
    Fill(*region_, browser.regionTab);
    Fill(*subArea_, browser.subAreaTab);
    country_->setAccessibleName(Translated(language, text::CountryStrip));
    region_->setAccessibleName(Translated(language, text::RegionStrip));
    subArea_->setAccessibleName(Translated(language, text::SubAreaStrip));
    mirroring_ = false;
}

}  // namespace orvane::gui
