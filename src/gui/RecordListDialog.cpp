#include "gui/RecordListDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/Translated.h"

namespace orvane::gui {
namespace {

constexpr int kListHeight = 320;

}  // namespace

RecordListDialog::RecordListDialog(std::span<const RecordColumn> columns, Language language,
                                   RecordSort& sort, bool checkable, Texts texts, QWidget* parent)
    : QDialog(parent), model_(columns, language, sort, checkable) {
    setWindowTitle(Translated(language, texts.title));
    table_ = new RecordTable(
        model_,
        checkable ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection,
        this);
    table_->setAccessibleName(Translated(language, kRecordListName));
    action_ = new QPushButton(Translated(language, texts.action), this);
    action_->setDefault(true);
    cancel_ = new QPushButton(Translated(language, kCancelButton), this);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(action_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(buttons);
}

void RecordListDialog::ShowRows(std::vector<RecordRow> rows) {
    model_.SetRows(std::move(rows));
    table_->setMinimumSize(table_->PreferredWidth(), kListHeight);
    table_->setMaximumWidth(table_->PreferredWidth());
    adjustSize();
}

void RecordListDialog::SetWaiting(bool waiting) {
    action_->setEnabled(!waiting);
    cancel_->setEnabled(!waiting);
    table_->setEnabled(!waiting);
}

}  // namespace orvane::gui
