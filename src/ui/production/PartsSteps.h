#pragma once

#include <QUndoCommand>
#include <vector>

#include "ui/production/ProductionPartsModel.h"

namespace marlo {

// The steps of the parts grid on the window's undo stack. Each keeps only the parts it touches,
// so that a step of a long job stays small. The push of a step makes its change.

// Parts changed in place: their values before and after, at the same rows.
class PartsStep : public QUndoCommand {
  public:
    PartsStep(ProductionPartsModel& model, std::vector<IndexedPart> before,
              std::vector<IndexedPart> after, QUndoCommand* parent = nullptr);

    void undo() override;
    void redo() override;

  private:
    ProductionPartsModel& model_;
    std::vector<IndexedPart> before_;
    std::vector<IndexedPart> after_;
};

// Parts added or deleted at their rows (ascending, where they stand while they are in the job).
class RowsStep : public QUndoCommand {
  public:
    enum class Kind { Add, Delete };

    RowsStep(ProductionPartsModel& model, Kind kind, std::vector<IndexedPart> rows,
             QUndoCommand* parent = nullptr);

    void undo() override;
    void redo() override;

  private:
    void add();
    void remove();

    ProductionPartsModel& model_;
    Kind kind_;
    std::vector<IndexedPart> rows_;
};

}  // namespace marlo
