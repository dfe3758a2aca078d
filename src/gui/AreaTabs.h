#pragma once

#include <QTabBar>
#include <QWidget>

#include "browser/Browser.h"

namespace orvane::gui {

// The country, region and sub-area tab strips above the course list. They
// mirror the browser's strips (the toolbar is the continent strip's face)
// and report the person's clicks; the browser decides what each click does.
class AreaTabs : public QWidget {
    Q_OBJECT
public:
    explicit AreaTabs(QWidget* parent);

    // Takes the strips' labels, selection and visibility from the browser.
    void Mirror(const Browser& browser, Language language);
    QTabBar* country() const { return country_; }
    QTabBar* region() const { return region_; }
    QTabBar* subArea() const { return subArea_; }

signals:
    void countryClicked(int tab);
    void regionClicked(int tab);
    void subAreaClicked(int tab);

private:
    QTabBar* country_;
    QTabBar* region_;
    QTabBar* subArea_;
    // While the strips are refilled from the browser, their changes are no
    // clicks.
    bool mirroring_ = false;
};

}  // namespace orvane::gui
