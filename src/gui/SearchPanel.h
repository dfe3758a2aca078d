#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "shell/Language.h"

namespace orvane::gui {

// The search box in its frame with the find button beside it.
class SearchPanel : public QWidget {
    Q_OBJECT
public:
    explicit SearchPanel(QWidget* parent);

    // The text as the core reads it: UTF-8 bytes.
    std::string text() const { return edit_->text().toStdString(); }
    QLineEdit* edit() const { return edit_; }
    QPushButton* findButton() const { return find_; }
    void ApplyLanguage(Language language);

signals:
    void searchRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* edit_;
    QPushButton* find_;
};

}  // namespace orvane::gui
