#include "ui/diagram/DiagramView.h"

#include "diagram/DiagramComposer.h"
#include "diagram/ProductionDiagram.h"
#include "i18n/texts/DiagramTexts.h"
#include "i18n/texts/RunControlTexts.h"
#include "settings/UserLocale.h"
#include "ui/diagram/DiagramCommands.h"
#include "ui/diagram/DiagramWindow.h"

namespace marlo {

DiagramView::DiagramView(QWidget* mainWindow, const JobState& state,
                         std::function<JobHeader()> header, const StringCatalogue& catalogue,
                         Dialogs& dialogs, WindowMessages& messages)
    : QObject(mainWindow),
      mainWindow_(mainWindow),
      state_(state),
      header_(std::move(header)),
      catalogue_(catalogue),
      dialogs_(dialogs),
      messages_(messages),
      window_(new DiagramWindow(mainWindow)) {}

void DiagramView::addCommands(const QList<QAction*>& commands) {
    window_->addCommands(commands);
}

void DiagramView::loadTexts() {
    window_->loadTexts(messages_.text(diagram_text::kTitle));
    window_->loadZoomTexts(messages_.text(run_text::kZoomIn), messages_.text(run_text::kZoomOut),
                           messages_.text(run_text::kActualSize));
    refresh();
}

void DiagramView::showWindow() {
    window_->show();
    window_->raise();
    window_->activateWindow();
    refresh();
}

void DiagramView::followResult(bool present) {
    if (!present)
        window_->clear();
    else if (window_->isVisible())
        window_->showDiagram(composeShownResult());
}

// The diagram is composed only while its window is open; opening it composes the current one.
void DiagramView::refresh() {
    if (!window_->isVisible()) return;
    if (hasResult())
        window_->showDiagram(composeShownResult());
    else
        window_->clear();
}

void DiagramView::print() {
    if (!hasResult()) return;
    DiagramCommands(mainWindow_, dialogs_, messages_, catalogue_, composeShownResult(),
                    state_.fileName)
        .print();
}

void DiagramView::exportFile(DiagramFileFormat format) {
    if (!hasResult()) return;
    DiagramCommands(mainWindow_, dialogs_, messages_, catalogue_, composeShownResult(),
                    state_.fileName)
        .exportFile(format);
}

bool DiagramView::hasResult() const {
    return state_.resultPresent || (state_.production && state_.productionPlan);
}

// A planned production job's diagram holds the pages of every material.
DiagramLayout DiagramView::composeShownResult() const {
    if (state_.production && state_.productionPlan)
        return composeProductionDiagram(*state_.production, *state_.productionPlan, catalogue_,
                                        localeDecimalSeparator());
    return composeDiagram(diagramSource(header_(), state_.result, localeDecimalSeparator()),
                          catalogue_);
}

}  // namespace marlo
