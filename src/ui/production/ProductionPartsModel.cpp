#include "ui/production/ProductionPartsModel.h"

#include <QUndoStack>
#include <algorithm>
#include <cmath>

#include "i18n/texts/PartsGridTexts.h"
#include "i18n/texts/ProductionJobTexts.h"
#include "i18n/texts/WindowProductionTexts.h"
#include "stock/StoreMessages.h"
#include "ui/common/FormControls.h"
#include "ui/production/CellNumbers.h"
#include "ui/production/PartsSteps.h"

namespace marlo {

namespace {

// The runs of consecutive rows, as [first, last] pairs, of ascending rows.
template <typename Row>
std::vector<std::pair<int, int>> runsOf(const std::vector<Row>& rows, int (*rowOf)(const Row&)) {
    std::vector<std::pair<int, int>> runs;
    for (const Row& entry : rows) {
        const int row = rowOf(entry);
        if (!runs.empty() && runs.back().second + 1 == row)
            runs.back().second = row;
        else
            runs.emplace_back(row, row);
    }
    return runs;
}

int rowOfPart(const IndexedPart& part) {
    return part.first;
}

int rowOfRow(const int& row) {
    return row;
}

// An angle as the job file writes it: whole degrees without a decimal point.
QString angleText(double angle) {
    return QString::number(angle, 'g', 10);
}

}  // namespace

ProductionPartsModel::ProductionPartsModel(const StringCatalogue& catalogue,
                                           std::function<void(const QString&)> refuse,
                                           QUndoStack& steps, QObject* parent)
    : QAbstractTableModel(parent),
      catalogue_(catalogue),
      refuse_(std::move(refuse)),
      steps_(steps) {}

void ProductionPartsModel::showParts(std::vector<PartRow> parts) {
    beginResetModel();
    parts_ = std::move(parts);
    endResetModel();
}

bool ProductionPartsModel::hasAngles() const {
    return std::any_of(parts_.begin(), parts_.end(), [](const PartRow& row) {
        return row.part.startAngle != 0.0 || row.part.endAngle != 0.0;
    });
}

int ProductionPartsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(parts_.size());
}

int ProductionPartsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProductionPartsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Part& part = parts_[static_cast<size_t>(index.row())].part;
    const int column = index.column();
    const bool number = column == Length || column == Pieces || column >= StartAngle;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(number ? Qt::AlignRight | Qt::AlignVCenter
                                          : Qt::AlignLeft | Qt::AlignVCenter);
    if (role == SortRole) {
        switch (column) {
            case Length:
                return part.length;
            case Pieces:
                return part.pieces;
            case StartAngle:
                return part.startAngle;
            case EndAngle:
                return part.endAngle;
            default:
                return data(index, Qt::DisplayRole);
        }
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    switch (column) {
        case Mark:
            return qText(part.mark);
        case Material:
            return qText(part.material);
        case Length:
            return QString::number(part.length);
        case Pieces:
            return QString::number(part.pieces);
        case Order:
            return qText(part.order);
        case Note:
            return qText(part.note);
        case StartAngle:
            return angleText(part.startAngle);
        case EndAngle:
            return angleText(part.endAngle);
        default:
            return {};
    }
}

QVariant ProductionPartsModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    static constexpr int kCaptions[ColumnCount] = {
        job_text::kMark,  job_text::kMaterial, job_text::kLength,     job_text::kPieces,
        job_text::kOrder, job_text::kNote,     job_text::kStartAngle, job_text::kEndAngle};
    if (section < 0 || section >= ColumnCount) return {};
    return qText(catalogue_.text(kCaptions[section]));
}

Qt::ItemFlags ProductionPartsModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QString ProductionPartsModel::boundMessage(int message, const std::string& bound) const {
    return qText(fillIn(catalogue_.text(message), {bound}));
}

std::optional<QString> ProductionPartsModel::takeCell(Part& part, int column,
                                                      const QString& text) const {
    switch (column) {
        case Mark:
            part.mark = text.toStdString();
            return std::nullopt;
        case Material:
            part.material = text.trimmed().toStdString();
            return std::nullopt;
        case Order:
            part.order = text.toStdString();
            return std::nullopt;
        case Note:
            part.note = text.toStdString();
            return std::nullopt;
        case Length:
            if (const auto length = wholeNumberOfCell(text, 1, kMaxPartLength)) {
                part.length = *length;
                return std::nullopt;
            }
            return boundMessage(window_production_text::kBadLength, std::to_string(kMaxPartLength));
        case Pieces:
            if (const auto pieces = wholeNumberOfCell(text, 0, kMaxPartPieces)) {
                part.pieces = *pieces;
                return std::nullopt;
            }
            return boundMessage(window_production_text::kBadPieces, std::to_string(kMaxPartPieces));
        case StartAngle:
        case EndAngle:
            if (const auto angle = numberOfCell(text); angle && std::abs(*angle) <= kMaxPartAngle) {
                (column == StartAngle ? part.startAngle : part.endAngle) = *angle;
                return std::nullopt;
            }
            return boundMessage(parts_grid_text::kBadAngle, angleText(kMaxPartAngle).toStdString());
        default:
            return qText(catalogue_.text(parts_grid_text::kNoColumn));
    }
}

bool ProductionPartsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const PartRow& before = parts_[static_cast<size_t>(index.row())];
    PartRow after = before;
    if (const std::optional<QString> fault =
            takeCell(after.part, index.column(), value.toString())) {
        refuse_(*fault);
        return false;
    }
    if (after == before) return false;
    std::vector<IndexedPart> edited{{index.row(), std::move(after)}};
    std::vector<IndexedPart> unedited = partsAt(edited);
    steps_.push(new PartsStep(*this, std::move(unedited), std::move(edited)));
    return true;
}

void ProductionPartsModel::addParts(std::vector<IndexedPart> added) {
    if (!added.empty()) steps_.push(new RowsStep(*this, RowsStep::Kind::Add, std::move(added)));
}

void ProductionPartsModel::deleteParts(const std::vector<int>& rows) {
    std::vector<IndexedPart> deleted;
    for (const int row : rows) deleted.emplace_back(row, parts_[static_cast<std::size_t>(row)]);
    if (!deleted.empty())
        steps_.push(new RowsStep(*this, RowsStep::Kind::Delete, std::move(deleted)));
}

void ProductionPartsModel::paste(const std::vector<int>& targets, int firstColumn,
                                 const std::vector<CsvLine>& lines, const PartRow& newPart) {
    std::vector<IndexedPart> changed;
    std::vector<IndexedPart> added;
    for (const CsvLine& line : lines) {
        const auto offset = static_cast<std::size_t>(line.line - 1);
        const bool existing = offset < targets.size();
        PartRow row = existing ? parts_[static_cast<std::size_t>(targets[offset])] : newPart;
        for (std::size_t cell = 0; cell < line.cells.size(); ++cell) {
            const std::optional<QString> fault =
                takeCell(row.part, firstColumn + static_cast<int>(cell),
                         QString::fromStdString(line.cells[cell]));
            if (fault) {
                refuse_(qText(fillIn(
                    catalogue_.text(parts_grid_text::kPasteRefused),
                    {std::to_string(line.line), std::to_string(cell + 1), fault->toStdString()})));
                return;
            }
        }
        if (!existing)
            added.emplace_back(static_cast<int>(parts_.size() + added.size()), std::move(row));
        else if (row != parts_[static_cast<std::size_t>(targets[offset])])
            changed.emplace_back(targets[offset], std::move(row));
    }
    if (changed.empty() && added.empty()) return;
    // The changed rows in the job's order, as the steps apply them.
    std::sort(changed.begin(), changed.end(),
              [](const IndexedPart& a, const IndexedPart& b) { return a.first < b.first; });
    auto* step = new QUndoCommand;
    if (!changed.empty()) {
        std::vector<IndexedPart> unchanged = partsAt(changed);
        new PartsStep(*this, std::move(unchanged), std::move(changed), step);
    }
    if (!added.empty()) new RowsStep(*this, RowsStep::Kind::Add, std::move(added), step);
    steps_.push(step);
}

std::vector<IndexedPart> ProductionPartsModel::partsAt(const std::vector<IndexedPart>& rows) const {
    std::vector<IndexedPart> now;
    now.reserve(rows.size());
    for (const auto& [row, part] : rows)
        now.emplace_back(row, parts_[static_cast<std::size_t>(row)]);
    return now;
}

void ProductionPartsModel::applyParts(const std::vector<IndexedPart>& parts) {
    for (const auto& [row, part] : parts) parts_[static_cast<std::size_t>(row)] = part;
    for (const auto& [first, last] : runsOf(parts, rowOfPart))
        emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
    emit partEdited();
}

void ProductionPartsModel::applyAdded(const std::vector<IndexedPart>& added) {
    auto next = added.begin();
    for (const auto& [first, last] : runsOf(added, rowOfPart)) {
        beginInsertRows({}, first, last);
        std::vector<PartRow> run;
        for (; next != added.end() && next->first <= last; ++next) run.push_back(next->second);
        parts_.insert(parts_.begin() + first, run.begin(), run.end());
        endInsertRows();
    }
    emit partEdited();
}

void ProductionPartsModel::applyDeleted(const std::vector<int>& rows) {
    const std::vector<std::pair<int, int>> runs = runsOf(rows, rowOfRow);
    // From the last run back, so that the rows of the runs before stay where they are.
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        beginRemoveRows({}, run->first, run->second);
        parts_.erase(parts_.begin() + run->first, parts_.begin() + run->second + 1);
        endRemoveRows();
    }
    emit partEdited();
}

}  // namespace marlo
