#include "ui/stock/StockCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "diagram/DiagramSource.h"
#include "i18n/texts/StockStoreTexts.h"
#include "ui/common/FileMenuCommands.h"
#include "ui/stock/StockWindowPlace.h"

namespace marlo {

namespace {

// The new offcuts of a booking as "R-0007 (1200 mm), R-0008 (950 mm)".
std::string offcutList(const std::vector<StoredOffcut>& offcuts, const StringCatalogue& catalogue) {
    if (offcuts.empty()) return catalogue.text(store_text::kNone);
    std::string list;
    for (const StoredOffcut& offcut : offcuts) {
        if (!list.empty()) list += ", ";
        list += offcut.id + " (" + std::to_string(offcut.length) + " mm)";
    }
    return list;
}

// The stickers of a booking's new offcuts, as the command line's booking prints them.
std::vector<OffcutLabel> offcutLabels(const std::string& material,
                                      const std::vector<StoredOffcut>& offcuts) {
    std::vector<OffcutLabel> labels;
    for (const StoredOffcut& offcut : offcuts)
        labels.push_back({material, offcut.length, offcut.id, originText(offcut.origin)});
    return labels;
}

}  // namespace

StockCommands::StockCommands(QWidget* window, QMenu* fileMenu, JobState& state,
                             std::function<JobHeader()> header, const StringCatalogue& catalogue,
                             Dialogs& dialogs, WindowMessages& messages, SettingsStore& settings,
                             StockSession& session)
    : QObject(window),
      window_(window),
      state_(state),
      header_(std::move(header)),
      catalogue_(catalogue),
      dialogs_(dialogs),
      messages_(messages),
      settings_(settings),
      session_(session) {
    // Before the recent jobs, after the other commands.
    addFileSeparator(fileMenu, "stockSeparator");
    stockCommand_ = addFileCommand(window, fileMenu, "mnu_sklad");
    bookCommand_ = addFileCommand(window, fileMenu, "mnu_zauctovat");
    returnCommand_ = addFileCommand(window, fileMenu, "mnu_vratit");
    connect(stockCommand_, &QAction::triggered, this, &StockCommands::showWindow);
    connect(bookCommand_, &QAction::triggered, this, &StockCommands::bookPlan);
    connect(returnCommand_, &QAction::triggered, this, &StockCommands::returnToStock);
    followResult();
}

StockCommands::~StockCommands() {
    // The Stock window has no parent to take it along.
    delete stockWindow_.data();
}

void StockCommands::loadTexts() {
    const auto text = [this](int offset) {
        return QString::fromStdString(catalogue_.text(offset));
    };
    stockCommand_->setText(text(store_text::kStockCommand));
    bookCommand_->setText(text(store_text::kBookPlan));
    returnCommand_->setText(text(store_text::kReturnToStock));
    if (stockWindow_) stockWindow_->loadTexts();
}

void StockCommands::showWindow() {
    if (!stockWindow_) {
        stockWindow_ = new StockWindow(catalogue_, dialogs_, settings_, state_.material);
        placeStockWindow(*stockWindow_, *window_, settings_);
    }
    stockWindow_->show();
    stockWindow_->raise();
    stockWindow_->activateWindow();
}

bool StockCommands::productionBookable() const {
    return state_.production && state_.productionPlan &&
           plannedFromStock(*state_.productionPlan, state_.productionStock);
}

void StockCommands::followResult() {
    const bool fromStock = productionBookable() || (state_.resultPresent && state_.resultStock);
    bookCommand_->setEnabled(fromStock && !state_.booked);
}

void StockCommands::bookPlan() {
    const bool production = productionBookable();
    if (!production && (!state_.resultPresent || !state_.resultStock)) return;
    if (state_.booked) {
        messages_.notify(QString::fromStdString(catalogue_.text(store_text::kAlreadyBooked)));
        return;
    }
    const OffcutOrigin origin{QFileInfo(state_.fileName).fileName().toStdString(),
                              header_().customer, todaysDate(), 0};
    if (production) {
        bookProduction(origin);
        return;
    }
    const BookingResult booked =
        session_.book(usageOfPlan(*state_.resultStock, state_.result.plan.patterns, origin));
    if (booked.status != BookingResult::Status::Done) return;
    state_.booked = true;
    state_.bookedOffcuts = offcutLabels(state_.resultStock->material, booked.newOffcuts);
    followResult();
    messages_.notify(QString::fromStdString(catalogue_.text(store_text::kBooked) +
                                            offcutList(booked.newOffcuts, catalogue_)));
}

// Every material of the job, or none: a refusal names each material and what it lacks.
void StockCommands::bookProduction(const OffcutOrigin& origin) {
    const ProductionPlan& plan = *state_.productionPlan;
    const ProductionBooking booked = session_.book(plan, state_.productionStock, origin);
    if (booked.status != BookingResult::Status::Done) return;
    state_.booked = true;
    state_.bookedOffcuts.clear();
    std::vector<StoredOffcut> offcuts;
    for (size_t m = 0; m < booked.newOffcuts.size() && m < plan.materials.size(); ++m) {
        for (OffcutLabel& label :
             offcutLabels(plan.materials[m].parts.material, booked.newOffcuts[m]))
            state_.bookedOffcuts.push_back(std::move(label));
        offcuts.insert(offcuts.end(), booked.newOffcuts[m].begin(), booked.newOffcuts[m].end());
    }
    followResult();
    messages_.notify(QString::fromStdString(catalogue_.text(store_text::kBooked) +
                                            offcutList(offcuts, catalogue_)));
}

void StockCommands::returnToStock() {
    if (session_.returnLastBooking().status != BookingResult::Status::Done) return;
    // The last booking is the shown plan's when that has been booked: no later plan was.
    state_.booked = false;
    followResult();
    messages_.notify(QString::fromStdString(catalogue_.text(store_text::kReturned)));
}

}  // namespace marlo
