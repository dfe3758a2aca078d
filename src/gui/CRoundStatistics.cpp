#include "gui/CRoundStatistics.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/Translated.h"
#include "gui/WindowStyle.h"
#include "records/RecordDialogTexts.h"
#include "records/RoundStatisticsTexts.h"

namespace orvane::gui {
namespace {

constexpr int kHoleColumnWidth = 44;
constexpr int kClubRows = 10;

// A table that shows all it holds without scrolling across.
QTableView* Table(QAbstractItemModel* model, QWidget* parent) {
    auto* table = new QTableView(parent);
    model->setParent(table);
    table->setModel(model);
    table->setFont(ListFont());
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::TabFocus);
    table->setWordWrap(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->verticalHeader()->setDefaultSectionSize(QFontMetrics(ListFont()).height() + 8);
    return table;
}

int RowsHeight(const QTableView& table, int rows) {
    int height = 2 * table.frameWidth() + rows * table.verticalHeader()->defaultSectionSize();
    if (!table.horizontalHeader()->isHidden())
        height += table.horizontalHeader()->sizeHint().height();
    return height;
}

}  // namespace

CRoundStatistics::CRoundStatistics(const std::vector<RecordEntry>& entries,
                                   const RoundStatistics& statistics, Language language,
                                   QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Translated(language, kStatisticsTitle));
    const auto text = [language](TextPair pair) { return Translated(language, pair); };

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft);
    const auto add = [&](const QString& label, const std::string& value) {
        auto* shown = new QLabel(FromCore(value), this);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        shown->setAccessibleName(label);
        auto* name = new QLabel(label, this);
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        form->addRow(name, shown);
        summary_.push_back(shown);
    };
    add(text(kRoundsPlayed), RoundsPlayedText(statistics, language));
    const std::array<std::pair<TextPair, const RoundsOfLength*>, 2> lengths{
        {{kEighteenHoles, &statistics.eighteen}, {kNineHoles, &statistics.nine}}};
    for (const auto& [length, rounds] : lengths)
        add(text(kAverageStrokes) + ", " + text(length), MeanText(rounds->strokes));
    for (const auto& [length, rounds] : lengths)
        add(text(kBestRound) + ", " + text(length),
            PlayedRoundText(entries, rounds->best, language));
    add(text(kLatestRound), PlayedRoundText(entries, statistics.Latest(), language));

    chart_ = new StrokesChart(entries, statistics, language, this);

    holes_ = Table(new HoleToParModel(statistics, language, nullptr), this);
    holes_->setAccessibleName(text(kHoleToParName));
    holes_->horizontalHeader()->hide();
    holes_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    holes_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    holes_->setFixedHeight(RowsHeight(*holes_, holes_->model()->rowCount()));
    holes_->setMinimumWidth(holes_->verticalHeader()->sizeHint().width() +
                            static_cast<int>(kRecordHoles) * kHoleColumnWidth +
                            2 * holes_->frameWidth());

    clubs_ = Table(new ClubDistanceModel(statistics, language, nullptr), this);
    clubs_->setAccessibleName(text(kClubTableName));
    clubs_->verticalHeader()->hide();
    clubs_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    clubs_->setIconSize(QSize(22, 13));
    clubs_->setMinimumHeight(RowsHeight(*clubs_, kClubRows));

    auto* close = new QPushButton(text(kCloseButton), this);
    close->setDefault(true);
    // The tables are read, not worked in: the window opens on its button.
    close->setFocus();
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addLayout(form);
    top->addSpacing(12);
    top->addWidget(chart_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(holes_);
    layout->addWidget(clubs_, 1);
    layout->addLayout(buttons);
}

}  // namespace orvane::gui
