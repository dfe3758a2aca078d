#pragma once

#include <QAbstractTableModel>
#include <array>
#include <utility>
#include <vector>

#include "records/RoundStatistics.h"
#include "records/ScoreCardState.h"

namespace orvane::gui {

// Strokes to par by hole: a column per hole, rows for the hole number, the
// rounds that played it and the mean over par.
class HoleToParModel : public QAbstractTableModel {
    Q_OBJECT
public:
    HoleToParModel(const RoundStatistics& statistics, Language language, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::array<WholeMean, kRecordHoles> holes_;
    Language language_;
};

// A row per club the rounds played: its badge and name as the card names
// it, its strokes, and the median and longest distance in the unit of the
// interface's language.
class ClubDistanceModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ClubDistanceModel(const RoundStatistics& statistics, Language language, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<std::pair<std::int32_t, ClubDistances>> clubs_;
    Language language_;
    DistanceUnit unit_;
};

}  // namespace orvane::gui
