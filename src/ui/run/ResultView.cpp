#include "ui/run/ResultView.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/ProductionJobTexts.h"
#include "i18n/texts/StockListTexts.h"
#include "optimiser/NumberFormats.h"
#include "optimiser/StockTotals.h"
#include "reports/ReportLines.h"
#include "settings/UserLocale.h"
#include "stock/StoreMessages.h"
#include "ui/common/FormControls.h"
#include "ui/common/Twips.h"
#include "ui/run/LowerBoundLine.h"

namespace marlo {

namespace {

constexpr int kResultColumnTwips = 1065;
constexpr int kResultDimensionColumnTwips = 800;
constexpr int kResultFixedColumns = 4;
constexpr int kResultWidestColumns = 10;  // more columns scroll
constexpr int kResultVisibleRows = 11;    // header and 10 patterns; more rows scroll

const QColor kResultGridLines(128, 128, 128);

QString number(long long value) {
    return QString::number(value);
}

// The width of the first `columns` columns, at most `widest` of them.
int resultColumnsWidth(int columns, int widest) {
    const int dimensionColumns =
        std::clamp(columns - kResultFixedColumns, 0, widest - kResultFixedColumns);
    return kResultFixedColumns * pixels(kResultColumnTwips) +
           dimensionColumns * pixels(kResultDimensionColumnTwips);
}

}  // namespace

ResultView::ResultView(QWidget* form, WindowMessages& messages)
    : QObject(form), messages_(messages) {
    progressText_ = namedLabel(QStringLiteral("Label3"), form);
    cutThicknessCaption_ = namedLabel(QStringLiteral("Label12"), form);
    rodLengthCaption_ = namedLabel(QStringLiteral("Label13"), form);
    cutThicknessValue_ = namedLabel(QStringLiteral("Label14"), form);
    rodLengthValue_ = namedLabel(QStringLiteral("Label15"), form);
    stockLine_ = namedLabel(QStringLiteral("StockLine"), form);
    stockLine_->hide();
    progressBar_ = new QProgressBar(form);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setRange(0, 100);
    progressBar_->setTextVisible(false);

    // The result gets the room of its largest size, so that its growing moves nothing else.
    resultRoom_ = new QWidget(form);
    resultGrid_ = new QTableWidget(resultRoom_);
    resultGrid_->setObjectName(QStringLiteral("Grid2"));
    setUpGrid(resultGrid_);
    resultGrid_->setStyleSheet(
        QStringLiteral("QTableWidget { gridline-color: %1; }").arg(kResultGridLines.name()));
    resultRoom_->setMinimumSize(
        gridSize(resultGrid_, kResultVisibleRows,
                 resultColumnsWidth(kResultWidestColumns, kResultWidestColumns), true, true));
    resultRoom_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    resultRoom_->installEventFilter(this);

    totalsFrame_ = new QGroupBox(form);
    totalsFrame_->setObjectName(QStringLiteral("Frame1"));
    auto* totals = new QGridLayout(totalsFrame_);
    totals->setHorizontalSpacing(pixels(180));
    totals->setVerticalSpacing(pixels(60));
    for (int i = 0; i < 10; ++i) {
        totalsLabels_[i] = namedLabel(QStringLiteral("Label4_%1").arg(i), totalsFrame_);
        if (i % 2 == 1) {
            totalsLabels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            totalsLabels_[i]->setFrameShape(QFrame::Panel);
            totalsLabels_[i]->setFrameShadow(QFrame::Sunken);
            totalsLabels_[i]->setMinimumWidth(pixels(1500));
        }
        totals->addWidget(totalsLabels_[i], i / 2, i % 2);
    }
    lowerBound_ = new LowerBoundLine(totalsFrame_, totals, 5, messages);
    runStatus_ = namedLabel(QStringLiteral("RunStatus"), totalsFrame_);
    // Empty or not, the line keeps its height: a status never moves the frame's other lines.
    runStatus_->setMinimumHeight(runStatus_->fontMetrics().height());
    totals->addWidget(runStatus_, 6, 0, 1, 2);
    stockTotals_ = namedLabel(QStringLiteral("StockTotals"), totalsFrame_);
    stockTotals_->hide();
    totals->addWidget(stockTotals_, 7, 0, 1, 2);
}

QBoxLayout* ResultView::buildLayout(QWidget* optimiseButton) {
    for (QLabel* caption : {cutThicknessCaption_, rodLengthCaption_})
        caption->setMinimumWidth(widestCaption(caption, {34, 35}));
    for (int i = 0; i < 10; i += 2)
        totalsLabels_[i]->setMinimumWidth(widestCaption(totalsLabels_[i], {42, 43, 44, 45, 46}));

    const int gap = pixels(90);
    progressText_->setAlignment(Qt::AlignCenter);
    progressText_->setMinimumWidth(
        progressText_->fontMetrics().horizontalAdvance(QStringLiteral("100 %")) + gap);
    progressBar_->setFixedSize(pixels(3600), pixels(270));
    auto* progress = new QVBoxLayout;
    progress->setSpacing(pixels(30));
    progress->addStretch();
    progress->addWidget(progressBar_);
    progress->addWidget(progressText_, 0, Qt::AlignHCenter);
    progress->addStretch();
    auto* parameters = new QGridLayout;
    parameters->setHorizontalSpacing(2 * gap);
    parameters->setVerticalSpacing(pixels(30));
    parameters->addWidget(cutThicknessCaption_, 0, 0);
    parameters->addWidget(cutThicknessValue_, 0, 1, Qt::AlignRight);
    parameters->addWidget(rodLengthCaption_, 1, 0);
    parameters->addWidget(rodLengthValue_, 1, 1, Qt::AlignRight);
    auto* parametersColumn = new QVBoxLayout;
    parametersColumn->addStretch();
    parametersColumn->addLayout(parameters);
    parametersColumn->addStretch();
    auto* run = new QHBoxLayout;
    run->setSpacing(2 * gap);
    run->addWidget(optimiseButton);
    run->addLayout(progress);
    run->addStretch();
    run->addLayout(parametersColumn);

    auto* evaluation = new QHBoxLayout;
    evaluation->setSpacing(0);
    evaluation->addWidget(totalsFrame_);
    evaluation->addStretch();

    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->addLayout(run);
    column->addWidget(stockLine_);
    column->addSpacing(gap);
    column->addWidget(resultRoom_, 1);
    column->addSpacing(gap);
    column->addLayout(evaluation);
    return column;
}

QWidget* ResultView::resultGrid() const {
    return resultGrid_;
}

void ResultView::setUpColumns() {
    resultGrid_->setColumnCount(kResultFixedColumns);
    for (int column = 0; column < kResultFixedColumns; ++column)
        resultGrid_->setColumnWidth(column, pixels(kResultColumnTwips));
}

void ResultView::loadTexts() {
    cutThicknessCaption_->setText(messages_.text(core_text::kSliceThickness));
    rodLengthCaption_->setText(messages_.text(core_text::kRodLength));
    totalsFrame_->setTitle(messages_.text(core_text::kEvaluation));
    for (int i = 0; i < core_text::kTotalCount; ++i)
        totalsLabels_[2 * i]->setText(messages_.text(core_text::kFirstTotal + i));
    lowerBound_->loadTexts();
    showStockLine();
}

void ResultView::showParameters(const JobParameters& parameters, const std::string& material) {
    cutThicknessValue_->setText(number(parameters.cutThickness));
    // A run from a material cuts the material's stock, not the parameters' rod length.
    rodLengthValue_->setText(material.empty() ? number(parameters.rodLength)
                                              : QString::fromStdString(material));
    material_ = material;
    showStockLine();
}

void ResultView::showStockLine() {
    stockLine_->setText(QString::fromStdString(
        fillIn(messages_.catalogue().text(stock_text::kStockLine), {material_})));
    stockLine_->setVisible(!material_.empty());
}

void ResultView::showProgress(double percent, const PlanSummary& totals,
                              const JobParameters& parameters) {
    showPercent(percent);
    showTotals(totals, planEfficiency(totals, parameters, {}, {}));
}

void ResultView::showPercent(double percent) {
    progressText_->setText(QString::fromStdString(formatProgress(percent)));
    progressBar_->setValue(static_cast<int>(std::lround(percent)));
}

void ResultView::showTotals(const PlanSummary& totals, std::optional<double> percentUsed) {
    totalsLabels_[1]->setText(number(totals.rodCount));
    totalsLabels_[3]->setText(number(totals.totalWaste));
    totalsLabels_[5]->setText(number(totals.wastePieceCount));
    totalsLabels_[7]->setText(percentUsed ? QString::fromStdString(formatEfficiency(
                                                *percentUsed, localeDecimalSeparator()))
                                          : QString());
    totalsLabels_[9]->setText(
        QString::fromStdString(formatPossibilities(totals.calculatedPossibilities)));
}

void ResultView::showTotals(const CuttingPlan& plan, const JobParameters& parameters) {
    const std::span<const RodPattern> patterns = patternsOf(plan.patterns);
    showTotals(plan.summary, planEfficiency(plan.summary, parameters, patterns, plan.stock));
    stockTotals_->setVisible(!plan.stock.empty());
    if (plan.stock.empty()) return;
    const StringCatalogue& catalogue = messages_.catalogue();
    const char separator = localeDecimalSeparator();
    const StockTotals totals = stockTotals(patterns, plan.stock);
    const auto line = [&catalogue](int caption, const std::string& value) {
        return QString::fromStdString(catalogue.text(caption) + ": " + value);
    };
    // The leftovers, longest first, as many as the line holds; all of them in its tip.
    const QString leftovers = QString::fromStdString(countedLengths(totals.leftovers));
    const QStringList lines{line(stock_text::kTotalPrice, formatPrice(totals.price, separator)),
                            line(stock_text::kMaterialUsed, std::to_string(totals.material)),
                            line(stock_text::kLeftovers, {})};
    const int room = totalsFrame_->contentsRect().width() -
                     stockTotals_->fontMetrics().horizontalAdvance(lines.last()) - pixels(180);
    stockTotals_->setText(lines.join(QLatin1Char('\n')) +
                          stockTotals_->fontMetrics().elidedText(leftovers, Qt::ElideRight, room));
    stockTotals_->setToolTip(leftovers);
}

void ResultView::showPriceBound(std::optional<double> bound, bool optimal) {
    lowerBound_->showPrice(bound, optimal);
}

void ResultView::showResult(const CuttingPlan& result) {
    showPercent(100);

    const PatternTable& patterns = result.patterns;
    // A plan from stock names each pattern's rod in a column before the dimensions.
    const int stockColumns = result.stock.empty() ? 0 : 1;
    const int firstDimension = kResultFixedColumns + stockColumns;
    firstPieceColumn_ = firstDimension;
    const int columns = firstDimension + patterns.maxPieceCount();
    resultGrid_->setColumnCount(columns);
    if (stockColumns > 0) {
        resultGrid_->setHorizontalHeaderItem(kResultFixedColumns,
                                             centredItem(messages_.text(stock_text::kRodLength)));
        resultGrid_->setColumnWidth(kResultFixedColumns, pixels(kResultColumnTwips));
    }
    for (int column = firstDimension; column < columns; ++column) {
        resultGrid_->setHorizontalHeaderItem(
            column, centredItem(messages_.text(core_text::kDimensionColumn) +
                                number(column - firstDimension + 1)));
        resultGrid_->setColumnWidth(column, pixels(kResultDimensionColumnTwips));
    }
    resultGrid_->setRowCount(patterns.count());
    for (int p = 0; p < patterns.count(); ++p) {
        for (int row = 1; row <= 4; ++row)
            resultGrid_->setItem(p, row - 1, centredItem(number(patterns[p].row(row))));
        if (const StockItem* rod = stockOf(patterns[p], result.stock)) {
            QString text = number(rod->length);
            if (rod->kind == StockKind::Offcut)
                text += QLatin1Char(' ') + QString::fromStdString(rod->id);
            resultGrid_->setItem(p, kResultFixedColumns, centredItem(text));
        }
        for (int row = 5; row <= patterns[p].pieceCount + 4; ++row)
            resultGrid_->setItem(p, row - 1 + stockColumns,
                                 centredItem(number(patterns[p].row(row))));
    }
    const int last = patterns.count() - 1;
    resultGrid_->setCurrentCell(last, 0,
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    fitResultGrid();
    resultGrid_->scrollToBottom();
}

void ResultView::showPieceMarks(const std::vector<std::vector<std::vector<std::string>>>& marks) {
    const QString markCaption = messages_.text(job_text::kMark);
    for (int pattern = 0; pattern < static_cast<int>(marks.size()); ++pattern) {
        const std::vector<std::vector<std::string>>& rods = marks[static_cast<size_t>(pattern)];
        const size_t pieces = rods.empty() ? 0 : rods.front().size();
        for (size_t piece = 0; piece < pieces; ++piece) {
            // The marks in the order the rods cut them, each with its count of rods.
            std::vector<std::pair<std::string, int>> counted;
            for (const std::vector<std::string>& rod : rods) {
                if (piece >= rod.size()) continue;
                const std::string& mark = rod[piece];
                const auto known = std::find_if(counted.begin(), counted.end(),
                                                [&mark](const auto& c) { return c.first == mark; });
                if (known == counted.end())
                    counted.emplace_back(mark, 1);
                else
                    ++known->second;
            }
            QStringList lines{markCaption};
            for (const auto& [mark, rodCount] : counted)
                lines << QStringLiteral("%1 × %2")
                             .arg(mark.empty() ? QStringLiteral("–") : QString::fromStdString(mark))
                             .arg(rodCount);
            if (QTableWidgetItem* cell =
                    resultGrid_->item(pattern, firstPieceColumn_ + static_cast<int>(piece)))
                cell->setToolTip(lines.join(QLatin1Char('\n')));
        }
    }
}

void ResultView::showLowerBound(std::optional<int> bound, bool optimal, bool proofSought) {
    lowerBound_->show(bound, optimal, proofSought);
}

void ResultView::showRunStatus(const QString& status) {
    runStatus_->setText(status);
}

void ResultView::clear() {
    progressText_->setText(QString::fromStdString(formatProgress(0)));
    progressBar_->setValue(0);
    for (int i = 1; i < 10; i += 2) totalsLabels_[i]->clear();
    lowerBound_->clear();
    runStatus_->clear();
    stockTotals_->clear();
    stockTotals_->hide();

    resultGrid_->clearContents();
    resultGrid_->setRowCount(0);
    resultGrid_->setColumnCount(kResultFixedColumns);
    for (int column = 0; column < kResultFixedColumns; ++column) {
        resultGrid_->setHorizontalHeaderItem(
            column, centredItem(messages_.text(core_text::kSequenceNumber + column)));
        resultGrid_->setColumnWidth(column, pixels(kResultColumnTwips));
    }
    resultGrid_->setCurrentIndex(QModelIndex());
    fitResultGrid();
}

bool ResultView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == resultRoom_ && event->type() == QEvent::Resize) fitResultGrid();
    return QObject::eventFilter(watched, event);
}

// The grid shows as many rows and columns as its room holds: at the designed size 10 patterns
// and 10 columns, more when the window has grown; beyond that it scrolls.
void ResultView::fitResultGrid() {
    const int rows = resultGrid_->rowCount() + 1;
    const int columns = resultGrid_->columnCount();
    const int visibleRows = roomRows(resultRoom_, kResultVisibleRows);
    const int widest =
        kResultWidestColumns + std::max(0, resultRoom_->width() - resultRoom_->minimumWidth()) /
                                   pixels(kResultDimensionColumnTwips);
    const bool tall = rows > visibleRows;
    const bool wide = columns > widest;
    fitGrid(resultGrid_, tall ? visibleRows : rows, resultColumnsWidth(columns, widest), wide,
            tall);
}

}  // namespace marlo
