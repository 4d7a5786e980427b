#include "ui/production/PartsSteps.h"

namespace marlo {

PartsStep::PartsStep(ProductionPartsModel& model, std::vector<IndexedPart> before,
                     std::vector<IndexedPart> after, QUndoCommand* parent)
    : QUndoCommand(parent), model_(model), before_(std::move(before)), after_(std::move(after)) {}

void PartsStep::undo() {
    model_.applyParts(before_);
}

void PartsStep::redo() {
    model_.applyParts(after_);
}

RowsStep::RowsStep(ProductionPartsModel& model, Kind kind, std::vector<IndexedPart> rows,
                   QUndoCommand* parent)
    : QUndoCommand(parent), model_(model), kind_(kind), rows_(std::move(rows)) {}

void RowsStep::undo() {
    kind_ == Kind::Add ? remove() : add();
}

void RowsStep::redo() {
    kind_ == Kind::Add ? add() : remove();
}

void RowsStep::add() {
    model_.applyAdded(rows_);
}

void RowsStep::remove() {
    std::vector<int> rows;
    rows.reserve(rows_.size());
    for (const IndexedPart& row : rows_) rows.push_back(row.first);
    model_.applyDeleted(rows);
}

}  // namespace marlo
