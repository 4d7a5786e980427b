#include "ui/production/ProductionPartsModel.h"

#include "i18n/texts/ProductionJobTexts.h"
#include "i18n/texts/WindowProductionTexts.h"
#include "model/NumericText.h"
#include "stock/StoreMessages.h"
#include "ui/common/FormControls.h"

namespace marlo {

ProductionPartsModel::ProductionPartsModel(const StringCatalogue& catalogue,
                                           std::function<void(const QString&)> refuse,
                                           QObject* parent)
    : QAbstractTableModel(parent), catalogue_(catalogue), refuse_(std::move(refuse)) {}

void ProductionPartsModel::showParts(std::vector<PartRow> parts) {
    beginResetModel();
    parts_ = std::move(parts);
    endResetModel();
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
    const bool number = index.column() == Length || index.column() == Pieces;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(number ? Qt::AlignRight | Qt::AlignVCenter
                                          : Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    switch (index.column()) {
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
        default:
            return {};
    }
}

QVariant ProductionPartsModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    static constexpr int kCaptions[ColumnCount] = {job_text::kMark,   job_text::kMaterial,
                                                   job_text::kLength, job_text::kPieces,
                                                   job_text::kOrder,  job_text::kNote};
    if (section < 0 || section >= ColumnCount) return {};
    return qText(catalogue_.text(kCaptions[section]));
}

Qt::ItemFlags ProductionPartsModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

std::optional<int32_t> ProductionPartsModel::wholeNumber(const QString& text, int32_t least,
                                                         int32_t most, int message) const {
    const std::optional<double> value = parseNumericText(text.toStdString());
    // A fraction is refused rather than rounded: the office's lengths are whole millimetres.
    if (value && *value >= least && *value <= most && *value == static_cast<int32_t>(*value))
        return static_cast<int32_t>(*value);
    refuse_(qText(fillIn(catalogue_.text(message), {std::to_string(most)})));
    return std::nullopt;
}

bool ProductionPartsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    Part& part = parts_[static_cast<size_t>(index.row())].part;
    const QString text = value.toString();
    const Part before = part;
    switch (index.column()) {
        case Mark:
            part.mark = text.toStdString();
            break;
        case Material:
            part.material = text.trimmed().toStdString();
            break;
        case Length:
            if (const auto length =
                    wholeNumber(text, 1, kMaxPartLength, window_production_text::kBadLength))
                part.length = *length;
            break;
        case Pieces:
            if (const auto pieces =
                    wholeNumber(text, 0, kMaxPartPieces, window_production_text::kBadPieces))
                part.pieces = *pieces;
            break;
        case Order:
            part.order = text.toStdString();
            break;
        case Note:
            part.note = text.toStdString();
            break;
        default:
            return false;
    }
    if (part == before) return false;
    emit dataChanged(index, index);
    emit partEdited();
    return true;
}

}  // namespace marlo
