#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "jobfile/CsvText.h"
#include "model/ProductionJob.h"

class QUndoStack;

namespace marlo {

// A part of the job at its row: where it stands in the job that holds it.
using IndexedPart = std::pair<int, PartRow>;

// The parts of a production job as a table: Mark, Material, Length, Pieces, Order, Note, Angle 1,
// Angle 2, each cell edited in place. A length, pieces or angle outside the bounds of a part is
// refused: `refuse` is told why and the cell keeps its value. Every change is a step on `steps`,
// whose undo and redo come back through the apply functions; the fields this program does not
// know are kept as they are.
class ProductionPartsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Mark, Material, Length, Pieces, Order, Note, StartAngle, EndAngle, ColumnCount };
    // The value a column sorts by: numbers as numbers.
    static constexpr int SortRole = Qt::UserRole;

    ProductionPartsModel(const StringCatalogue& catalogue,
                         std::function<void(const QString&)> refuse, QUndoStack& steps,
                         QObject* parent);

    // Shows these parts in place of the ones shown before.
    void showParts(std::vector<PartRow> parts);
    const std::vector<PartRow>& parts() const { return parts_; }
    bool hasAngles() const;

    // Changes recorded as one step each.
    // Parts at these rows of the job (ascending, where they will stand).
    void addParts(std::vector<IndexedPart> added);
    // The parts at these rows (ascending).
    void deleteParts(const std::vector<int>& rows);
    // Cells of a spreadsheet's rows from `firstColumn` on: line i of `lines` (CsvLine::line) goes
    // to the part at targets[line - 1], or to a new part at the end where there is none. Nothing
    // changes when a cell is refused.
    void paste(const std::vector<int>& targets, int firstColumn, const std::vector<CsvLine>& lines,
               const PartRow& newPart);

    // The part with the cell's text in place, or why the text does not fit the column.
    std::optional<QString> takeCell(Part& part, int column, const QString& text) const;

    // The changes of the steps, unrecorded.
    void applyParts(const std::vector<IndexedPart>& parts);
    void applyAdded(const std::vector<IndexedPart>& added);
    void applyDeleted(const std::vector<int>& rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  signals:
    // Parts have been changed, added or deleted.
    void partEdited();

  private:
    QString boundMessage(int message, const std::string& bound) const;
    // The parts at these rows as they are now.
    std::vector<IndexedPart> partsAt(const std::vector<IndexedPart>& rows) const;

    const StringCatalogue& catalogue_;
    std::function<void(const QString&)> refuse_;
    QUndoStack& steps_;
    std::vector<PartRow> parts_;
};

}  // namespace marlo
