#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "shell/Language.h"

namespace orvane::gui {

// The status line on its bar and the magenta progress bar (0 to 1000) under
// it, at the window's bottom left.
class StatusPanel : public QWidget {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent);

    void ShowStatus(const QString& text);
    void SetProgress(int position);
    void ApplyLanguage(Language language);
    QString status() const { return status_->text(); }
    int progress() const { return progress_->value(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* status_;
    QProgressBar* progress_;
};

}  // namespace orvane::gui
