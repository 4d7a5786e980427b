#pragma once

#include <QList>
#include <QObject>

#include "i18n/StringCatalogue.h"
#include "model/Job.h"
#include "ui/common/JobState.h"
#include "ui/common/WindowMessages.h"

class QLabel;
class QBoxLayout;
class QLineEdit;
class QTableWidget;
class QToolButton;
class QWidget;

namespace marlo {

// The left half of the main window: the job header (customer, job name, colour), the entry line
// of a new row and the cutting list with its Delete and Edit buttons. It keeps the list of the
// shared job state in step with the list grid.
//
// List grid rows are numbered as in the list: 1 is the first item, 0 the header.
class JobEditor : public QObject {
    Q_OBJECT

  public:
    JobEditor(QWidget* form, JobState& state, const StringCatalogue& catalogue,
              WindowMessages& messages);

    // The header, entry line and list, laid out as the left column.
    QBoxLayout* buildLayout();
    void setUpColumns();
    void loadTexts();

    JobHeader header() const;
    // The header texts and the list on screen.
    Job job() const;
    // Shows an opened job: its header texts and its list, the last row selected.
    void showJob(const Job& opened);
    // Shows a job of the undo history: like an opened job, but a different list counts as a
    // change of the list.
    void showEdited(const Job& edited);
    // An empty header and list; the buttons that need rows are disabled.
    void clear();
    void focusFirstBox();
    // Shows or hides the entry line and the cutting list with its buttons: a production job
    // shows its parts in their place.
    void showCuttingList(bool shown);
    // The focusable controls in the order Tab visits them.
    QList<QWidget*> tabOrder() const;
    QWidget* listGrid() const;

    void addRowFromEntry();
    // Adds rows that passed the list checks at the end of the list, the last one selected.
    void appendRows(const CuttingList& rows);
    void deleteSelectedRows();
    void editSelectedRow();

  signals:
    // The list has changed: added, deleted or edited rows.
    void listChanged();
    // A header text has changed.
    void headerChanged();
    // Whether the list has rows to optimise, after each change that may have changed it.
    void rowsPresent(bool present);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls(QWidget* form);
    void updateAddButton();
    void updateEditButton();
    void editCurrentRow();
    void editRow(int row);
    void fitListGrid();

    int listSelectionFirst() const;
    int listSelectionCount() const;
    void selectListRow(int row);
    void setListCell(int row, const CutItem& item);

    JobState& state_;
    const StringCatalogue& catalogue_;
    WindowMessages& messages_;

    QLabel* customerCaption_;
    QLabel* jobNameCaption_;
    QLabel* colourCaption_;
    QLabel* dimensionCaption_;
    QLabel* piecesCaption_;
    QLineEdit* customerBox_;
    QLineEdit* jobNameBox_;
    QLineEdit* colourBox_;
    QLineEdit* dimensionBox_;
    QLineEdit* piecesBox_;
    QToolButton* addButton_;
    QToolButton* deleteButton_;
    QToolButton* editButton_;
    QWidget* listRoom_;
    QBoxLayout* column_ = nullptr;      // the layout buildLayout() made
    QBoxLayout* listLayout_ = nullptr;  // the list with its buttons, in column_
    QTableWidget* listGrid_;
};

}  // namespace marlo
