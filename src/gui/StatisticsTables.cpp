#include "gui/StatisticsTables.h"

#include <QBrush>
#include <QFont>

#include "gui/ClubBadge.h"
#include "gui/Translated.h"
#include "records/Clubs.h"
#include "records/PlayedShots.h"
#include "records/RoundStatisticsTexts.h"
#include "records/ScoreCard.h"

namespace orvane::gui {
namespace {

enum HoleRow { kHoleRow, kRoundsRow, kToParRow, kHoleRows };
enum ClubCell { kClubCell, kCountCell, kMedianCell, kLongestCell, kClubCells };

constexpr QColor kOverPar{150, 30, 30};
constexpr QColor kUnderPar{20, 70, 160};
constexpr QColor kHoleBand{216, 228, 218};

}  // namespace

HoleToParModel::HoleToParModel(const RoundStatistics& statistics, Language language,
                               QObject* parent)
    : QAbstractTableModel(parent), holes_(statistics.holeToPar), language_(language) {}

int HoleToParModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kHoleRows;
}

int HoleToParModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kRecordHoles);
}

QVariant HoleToParModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const WholeMean& toPar = holes_[static_cast<std::size_t>(index.column())];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            switch (index.row()) {
                case kHoleRow:
                    return index.column() + 1;
                case kRoundsRow:
                    return QString::number(toPar.count);
                default:
                    return FromCore(ToParText(toPar));
            }
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        case Qt::FontRole: {
            if (index.row() != kHoleRow) return {};
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        case Qt::BackgroundRole:
            return index.row() == kHoleRow ? QBrush(kHoleBand) : QVariant();
        case Qt::ForegroundRole: {
            const auto tenths = toPar.Tenths();
            if (index.row() != kToParRow || !tenths || *tenths == 0) return {};
            return QBrush(*tenths > 0 ? kOverPar : kUnderPar);
        }
        default:
            return {};
    }
}

QVariant HoleToParModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Vertical || role != Qt::DisplayRole) return {};
    switch (section) {
        case kHoleRow:
            return Translated(language_, kHoleHeading);
        case kRoundsRow:
            return Translated(language_, kRoundsHeading);
        case kToParRow:
            return Translated(language_, kToParHeading);
        default:
            return {};
    }
}

ClubDistanceModel::ClubDistanceModel(const RoundStatistics& statistics, Language language,
                                     QObject* parent)
    : QAbstractTableModel(parent),
      clubs_(statistics.clubs.begin(), statistics.clubs.end()),
      language_(language),
      unit_(LanguageUnit(language)) {}

int ClubDistanceModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(clubs_.size());
}

int ClubDistanceModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kClubCells;
}

QVariant ClubDistanceModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto& [club, distances] = clubs_[static_cast<std::size_t>(index.row())];
    const auto distance = [this](double metres) {
        return FromCore(DistanceText(metres, unit_)) + " " + UnitSymbol(unit_);
    };
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            switch (index.column()) {
                case kClubCell:
                    return FromCore(ClubName(club, language_));
                case kCountCell:
                    return QString::number(distances.count);
                case kMedianCell:
                    return distance(distances.median);
                default:
                    return distance(distances.longest);
            }
        case Qt::DecorationRole:
            return index.column() == kClubCell ? QVariant(ClubBadge(club)) : QVariant();
        case Qt::TextAlignmentRole:
            return int(index.column() == kClubCell ? Qt::AlignLeft | Qt::AlignVCenter
                                                   : Qt::AlignCenter);
        default:
            return {};
    }
}

QVariant ClubDistanceModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case kClubCell:
            return Translated(language_, kClubHeading);
        case kCountCell:
            return Translated(language_, kStrokesHeading);
        case kMedianCell:
            return Translated(language_, kMedianHeading);
        case kLongestCell:
            return Translated(language_, kLongestHeading);
        default:
            return {};
    }
}

}  // namespace orvane::gui
