#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "model/NumericText.h"
#include "model/PieceList.h"
#include "optimiser/CuttingPlanSearch.h"
#include "optimiser/NumberFormats.h"
#include "settings/ProgramSettings.h"
#include "ui/AboutDialog.h"
#include "ui/DocumentationLink.h"
#include "ui/EntryBoxes.h"
#include "ui/FixedTexts.h"
#include "ui/ItemEditDialog.h"
#include "ui/LanguageDialog.h"
#include "ui/NumericEntry.h"
#include "ui/ParametersDialog.h"
#include "ui/ProgramStyle.h"
#include "ui/Twips.h"
#include "ui/WindowRunObserver.h"

namespace marlo {

namespace {

// Grid measures in twips.
constexpr int kGridRowTwips = 240;
constexpr int kListDimensionColumnTwips = 1500;
constexpr int kListPiecesColumnTwips = 600;
constexpr int kListVisibleRows = 21;  // header and 20 items; more rows scroll
constexpr int kResultColumnTwips = 1065;
constexpr int kResultDimensionColumnTwips = 800;
constexpr int kResultFixedColumns = 4;
constexpr int kResultWidestColumns = 10;  // more columns scroll
constexpr int kResultVisibleRows = 11;    // header and 10 patterns; more rows scroll
constexpr int kAnimationStepTwips = 90;

const QColor kResultGridLines(128, 128, 128);

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}
QString number(long long value) {
    return QString::number(value);
}

QTableWidgetItem* centredItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

QLabel* namedLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QToolButton* pictureButton(const QString& name, const QString& pictureName, int iconSize,
                           QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(picture(pictureName));
    button->setIconSize(QSize(iconSize, iconSize));
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

void setUpGrid(QTableWidget* grid) {
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setMinimumSectionSize(pixels(kGridRowTwips));
    grid->verticalHeader()->setDefaultSectionSize(pixels(kGridRowTwips));
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setFixedHeight(pixels(kGridRowTwips));
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setSectionsClickable(false);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    grid->setWordWrap(false);
    grid->setCornerButtonEnabled(false);
}

// The size of a grid that shows `visibleRows` rows (header included) of columns `dataWidth` wide,
// with or without scroll bars.
QSize gridSize(const QTableWidget* grid, int visibleRows, int dataWidth, bool horizontalBar,
               bool verticalBar) {
    const int border = 2 * grid->frameWidth();
    const int bar = grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    return {dataWidth + border + (verticalBar ? bar : 0),
            visibleRows * pixels(kGridRowTwips) + border + (horizontalBar ? bar : 0)};
}

void fitGrid(QTableWidget* grid, int visibleRows, int dataWidth, bool horizontalBar,
             bool verticalBar) {
    grid->setHorizontalScrollBarPolicy(horizontalBar ? Qt::ScrollBarAlwaysOn
                                                     : Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(verticalBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    grid->setFixedSize(gridSize(grid, visibleRows, dataWidth, horizontalBar, verticalBar));
}

int resultColumnsWidth(int columns) {
    const int dimensionColumns =
        std::clamp(columns - kResultFixedColumns, 0, kResultWidestColumns - kResultFixedColumns);
    return kResultFixedColumns * pixels(kResultColumnTwips) +
           dimensionColumns * pixels(kResultDimensionColumnTwips);
}

// The width of the widest text of these offsets in any language: captions get the room of their
// longest translation, so that the window keeps its layout in every language.
int widestCaption(const QLabel* label, std::initializer_list<int> offsets) {
    int widest = 0;
    for (const Language language : kAllLanguages) {
        for (const int offset : offsets) {
            const QString caption =
                QString::fromStdString(StringCatalogue::byId(static_cast<int>(language) + offset));
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(caption));
        }
    }
    return widest;
}

int listColumnsWidth() {
    return pixels(kListDimensionColumnTwips) + pixels(kListPiecesColumnTwips);
}

}  // namespace

MainWindow::MainWindow(UiContext context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      optimiseIcon_(picture(QStringLiteral("optimise"))),
      stopIcon_(picture(QStringLiteral("stop"))) {
    setObjectName(QStringLiteral("Vypocet"));
    buildControls();
    buildMenus();
    buildToolbar();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
    auto* form = new QWidget(this);
    form->setObjectName(QStringLiteral("form"));
    setCentralWidget(form);

    customerCaption_ = namedLabel(QStringLiteral("Label7"), form);
    jobNameCaption_ = namedLabel(QStringLiteral("Label5"), form);
    colourCaption_ = namedLabel(QStringLiteral("Label6"), form);
    dimensionCaption_ = namedLabel(QStringLiteral("Label1"), form);
    piecesCaption_ = namedLabel(QStringLiteral("Label2"), form);
    progressText_ = namedLabel(QStringLiteral("Label3"), form);
    cutThicknessCaption_ = namedLabel(QStringLiteral("Label12"), form);
    rodLengthCaption_ = namedLabel(QStringLiteral("Label13"), form);
    cutThicknessValue_ = namedLabel(QStringLiteral("Label14"), form);
    rodLengthValue_ = namedLabel(QStringLiteral("Label15"), form);
    const QList<QLineEdit**> boxes = {&dimensionBox_, &piecesBox_, &jobNameBox_, &colourBox_,
                                      &customerBox_};
    for (int i = 0; i < boxes.size(); ++i) {
        *boxes[i] = new QLineEdit(form);
        (*boxes[i])->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        SelectAllOnFocus::install(*boxes[i]);
    }
    addButton_ = pictureButton(QStringLiteral("Command1"), QStringLiteral("add"), 20, form);
    deleteButton_ = pictureButton(QStringLiteral("Command2"), QStringLiteral("delete"), 20, form);
    editButton_ = pictureButton(QStringLiteral("Command3"), QStringLiteral("edit"), 20, form);
    optimiseButton_ =
        pictureButton(QStringLiteral("Command6"), QStringLiteral("optimise"), 48, form);
    optimiseButton_->setAutoRaise(true);
    progressBar_ = new QProgressBar(form);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setRange(0, 100);
    progressBar_->setTextVisible(false);

    // The cutting list and the result each get the room of their largest size, so that their
    // growing moves nothing else.
    auto* listRoom = new QWidget(form);
    listGrid_ = new QTableWidget(listRoom);
    listGrid_->setObjectName(QStringLiteral("Grid1"));
    setUpGrid(listGrid_);
    listRoom->setFixedSize(gridSize(listGrid_, kListVisibleRows, listColumnsWidth(), true, true));
    auto* resultRoom = new QWidget(form);
    resultGrid_ = new QTableWidget(resultRoom);
    resultGrid_->setObjectName(QStringLiteral("Grid2"));
    setUpGrid(resultGrid_);
    resultGrid_->setStyleSheet(
        QStringLiteral("QTableWidget { gridline-color: %1; }").arg(kResultGridLines.name()));
    resultRoom->setFixedSize(gridSize(resultGrid_, kResultVisibleRows,
                                      resultColumnsWidth(kResultWidestColumns), true, true));

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

    layOutForm(form, listRoom, resultRoom);

    setTabOrder(customerBox_, jobNameBox_);
    setTabOrder(jobNameBox_, colourBox_);
    setTabOrder(colourBox_, dimensionBox_);
    setTabOrder(dimensionBox_, piecesBox_);

    connect(dimensionBox_, &QLineEdit::textChanged, this, &MainWindow::updateAddButton);
    connect(piecesBox_, &QLineEdit::textChanged, this, &MainWindow::updateAddButton);
    connect(dimensionBox_, &QLineEdit::returnPressed, piecesBox_, qOverload<>(&QWidget::setFocus));
    connect(piecesBox_, &QLineEdit::returnPressed, this, &MainWindow::addRowFromEntry);
    connect(customerBox_, &QLineEdit::returnPressed, jobNameBox_, qOverload<>(&QWidget::setFocus));
    connect(jobNameBox_, &QLineEdit::returnPressed, colourBox_, qOverload<>(&QWidget::setFocus));
    connect(colourBox_, &QLineEdit::returnPressed, dimensionBox_, qOverload<>(&QWidget::setFocus));
    for (QLineEdit* box : {jobNameBox_, colourBox_, customerBox_})
        connect(box, &QLineEdit::textChanged, this, &MainWindow::headerTextChanged);
    connect(addButton_, &QToolButton::clicked, this, &MainWindow::addRowFromEntry);
    connect(deleteButton_, &QToolButton::clicked, this, &MainWindow::deleteSelectedRows);
    connect(editButton_, &QToolButton::clicked, this, &MainWindow::editSelectedRow);
    connect(optimiseButton_, &QToolButton::clicked, this, &MainWindow::optimiseOrStop);
    connect(listGrid_, &QTableWidget::itemSelectionChanged, this, &MainWindow::updateEditButton);
    connect(listGrid_, &QTableWidget::cellDoubleClicked, this, &MainWindow::editCurrentRow);
    connect(resultGrid_, &QTableWidget::currentCellChanged, this, &MainWindow::fitResultGrid);
    listGrid_->installEventFilter(this);
}

void MainWindow::layOutForm(QWidget* form, QWidget* listRoom, QWidget* resultRoom) {
    for (QLabel* caption : {customerCaption_, jobNameCaption_, colourCaption_})
        caption->setMinimumWidth(widestCaption(caption, {1, 2, 3}));
    for (QLabel* caption : {cutThicknessCaption_, rodLengthCaption_})
        caption->setMinimumWidth(widestCaption(caption, {34, 35}));
    for (int i = 0; i < 10; i += 2)
        totalsLabels_[i]->setMinimumWidth(widestCaption(totalsLabels_[i], {42, 43, 44, 45, 46}));

    // Left: the job header, the entry line and the cutting list.
    const int gap = pixels(90);
    auto* header = new QGridLayout;
    header->setSpacing(gap);
    header->addWidget(customerCaption_, 0, 0);
    header->addWidget(customerBox_, 0, 1);
    header->addWidget(jobNameCaption_, 1, 0);
    header->addWidget(jobNameBox_, 1, 1);
    header->addWidget(colourCaption_, 2, 0);
    header->addWidget(colourBox_, 2, 1);
    customerCaption_->setBuddy(customerBox_);
    jobNameCaption_->setBuddy(jobNameBox_);
    colourCaption_->setBuddy(colourBox_);

    dimensionBox_->setFixedWidth(pixels(kListDimensionColumnTwips));
    piecesBox_->setFixedWidth(pixels(kListPiecesColumnTwips) + pixels(300));
    dimensionBox_->setAlignment(Qt::AlignRight);
    piecesBox_->setAlignment(Qt::AlignRight);
    dimensionCaption_->setBuddy(dimensionBox_);
    piecesCaption_->setBuddy(piecesBox_);
    auto* entry = new QGridLayout;
    entry->setHorizontalSpacing(gap);
    entry->setVerticalSpacing(pixels(30));
    entry->addWidget(dimensionCaption_, 0, 0);
    entry->addWidget(piecesCaption_, 0, 1);
    entry->addWidget(dimensionBox_, 1, 0);
    entry->addWidget(piecesBox_, 1, 1);
    entry->addWidget(addButton_, 1, 2);
    entry->setColumnStretch(3, 1);

    auto* listButtons = new QVBoxLayout;
    listButtons->setSpacing(gap);
    listButtons->addWidget(deleteButton_);
    listButtons->addWidget(editButton_);
    listButtons->addStretch();
    auto* list = new QHBoxLayout;
    list->setSpacing(gap);
    list->addWidget(listRoom, 0, Qt::AlignTop);
    list->addLayout(listButtons);
    list->addStretch();

    auto* left = new QVBoxLayout;
    left->setSpacing(0);
    left->addLayout(header);
    left->addSpacing(2 * gap);
    left->addLayout(entry);
    left->addSpacing(gap);
    left->addLayout(list);
    left->addStretch();

    // Right: the Optimise button with the progress, the parameters, the result and its totals.
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
    run->addWidget(optimiseButton_);
    run->addLayout(progress);
    run->addStretch();
    run->addLayout(parametersColumn);

    auto* evaluation = new QHBoxLayout;
    evaluation->setSpacing(0);
    evaluation->addWidget(totalsFrame_);
    evaluation->addStretch();

    auto* right = new QVBoxLayout;
    right->setSpacing(0);
    right->addLayout(run);
    right->addSpacing(gap);
    right->addWidget(resultRoom, 0, Qt::AlignLeft | Qt::AlignTop);
    right->addSpacing(gap);
    right->addLayout(evaluation);
    right->addStretch();

    auto* columns = new QHBoxLayout(form);
    columns->setContentsMargins(2 * gap, 2 * gap, 2 * gap, 2 * gap);
    columns->setSpacing(pixels(450));
    columns->addLayout(left);
    columns->addLayout(right);
    form->setFixedSize(form->sizeHint());
}

void MainWindow::buildMenus() {
    auto action = [this](QWidget* owner, const char* name, const QKeySequence& shortcut = {}) {
        auto* item = new QAction(this);
        item->setObjectName(QLatin1String(name));
        item->setShortcut(shortcut);
        owner->addAction(item);
        return item;
    };
    auto menu = [this](QWidget* owner, const char* name) {
        auto* item = new QMenu(owner);
        item->setObjectName(QLatin1String(name));
        item->menuAction()->setObjectName(QLatin1String(name));
        owner->addAction(item->menuAction());
        return item;
    };

    QMenuBar* bar = menuBar();
    fileMenu_ = menu(bar, "mnu_subor");
    newAction_ = action(fileMenu_, "mnu_novy", QKeySequence(Qt::CTRL | Qt::Key_N));
    openAction_ = action(fileMenu_, "mnu_otvorit", QKeySequence(Qt::CTRL | Qt::Key_O));
    saveAction_ = action(fileMenu_, "mnu_ulozit", QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAsAction_ = action(fileMenu_, "mnu_ulozit_ako");
    fileMenu_->addSeparator()->setObjectName(QStringLiteral("nothing1"));
    printAction_ = action(fileMenu_, "mnu_tlacit", QKeySequence(Qt::CTRL | Qt::Key_P));
    exportMenu_ = menu(fileMenu_, "mnu_export");
    excelAction_ = action(exportMenu_, "mnu_export_excel", QKeySequence(Qt::CTRL | Qt::Key_E));
    textAction_ = action(exportMenu_, "mnu_export_subor", QKeySequence(Qt::CTRL | Qt::Key_T));
    fileMenu_->addSeparator()->setObjectName(QStringLiteral("nothing2"));
    exitAction_ = action(fileMenu_, "mnu_exit", QKeySequence(Qt::CTRL | Qt::Key_Q));

    settingsMenu_ = menu(bar, "mnu_nastavenia");
    languageMenu_ = menu(settingsMenu_, "mnu_jazyk");
    czechAction_ = action(languageMenu_, "mnu_czech");
    germanAction_ = action(languageMenu_, "mnu_german");
    dutchAction_ = action(languageMenu_, "mnu_dutch");
    englishAction_ = action(languageMenu_, "mnu_english");
    slovakAction_ = action(languageMenu_, "mnu_slovak");
    parametersAction_ = action(settingsMenu_, "mnu_parametre");

    aboutAction_ = action(bar, "mnu_about");
    optimiseAction_ = action(bar, "mnu_optimalizuj");

    // The language names are the same in every language.
    czechAction_->setText(QStringLiteral("Česky"));
    germanAction_->setText(QStringLiteral("Deutsch"));
    dutchAction_->setText(QStringLiteral("Nederlands"));
    englishAction_->setText(QStringLiteral("English"));
    slovakAction_->setText(QStringLiteral("Slovensky"));
    const std::pair<QAction*, Language> languages[] = {{czechAction_, Language::Czech},
                                                       {germanAction_, Language::German},
                                                       {dutchAction_, Language::Dutch},
                                                       {englishAction_, Language::English},
                                                       {slovakAction_, Language::Slovak}};
    for (const auto& [item, chosen] : languages) {
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, chosen] { switchLanguage(chosen); });
    }
    connect(newAction_, &QAction::triggered, this, &MainWindow::newJob);
    connect(openAction_, &QAction::triggered, this, &MainWindow::openJob);
    connect(saveAction_, &QAction::triggered, this, &MainWindow::saveJob);
    connect(saveAsAction_, &QAction::triggered, this, &MainWindow::saveJobAs);
    connect(exitAction_, &QAction::triggered, this, &MainWindow::closeProgram);
    connect(parametersAction_, &QAction::triggered, this, &MainWindow::editParameters);
    connect(aboutAction_, &QAction::triggered, this, &MainWindow::showAbout);
    connect(optimiseAction_, &QAction::triggered, this, &MainWindow::optimiseOrStop);
    connect(printAction_, &QAction::triggered, this, [this] { reportCommands().print(); });
    connect(textAction_, &QAction::triggered, this, [this] { reportCommands().exportText(); });
    connect(excelAction_, &QAction::triggered, this,
            [this] { reportCommands().exportSpreadsheet(); });
}

ReportCommands MainWindow::reportCommands() {
    return ReportCommands(this, context_, catalogue_, {job(), parameters_, result_, jobFileName_});
}

void MainWindow::buildToolbar() {
    QToolBar* toolbar = addToolBar(QString());
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->toggleViewAction()->setEnabled(false);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    const char* pictures[] = {"new",   "open", "save",  "save-as",    "print",
                              "excel", "text", "close", "parameters", "about"};
    QAction* commands[] = {newAction_,   openAction_, saveAction_, saveAsAction_,     printAction_,
                           excelAction_, textAction_, exitAction_, parametersAction_, aboutAction_};
    for (int i = 0; i < 10; ++i) {
        toolbarButtons_[i] = pictureButton(QStringLiteral("Command7_%1").arg(i),
                                           QLatin1String(pictures[i]), 24, toolbar);
        toolbarButtons_[i]->setAutoRaise(true);
        connect(toolbarButtons_[i], &QToolButton::clicked, commands[i], &QAction::trigger);
        toolbar->addWidget(toolbarButtons_[i]);
        if (i == 3 || i == 6 || i == 7) toolbar->addSeparator();
    }
}

void MainWindow::startUp() {
    writeDefaultSettings();
    readSettings();
    loadTexts();
    optimiseButton_->setIcon(optimiseIcon_);
    running_ = false;

    listGrid_->setColumnCount(2);
    listGrid_->setColumnWidth(0, pixels(kListDimensionColumnTwips));
    listGrid_->setColumnWidth(1, pixels(kListPiecesColumnTwips));
    resultGrid_->setColumnCount(kResultFixedColumns);
    for (int column = 0; column < kResultFixedColumns; ++column)
        resultGrid_->setColumnWidth(column, pixels(kResultColumnTwips));

    newJob();
    if (firstStart_) chooseFirstLanguage();
    if (documentationPending_) openDocumentationOnce();
    playOpeningAnimation();
}

void MainWindow::writeDefaultSettings() {
    firstStart_ = marlo::writeDefaultSettings(context_.settings);
}

void MainWindow::readSettings() {
    const ProgramSettings loaded = marlo::readSettings(context_.settings);
    parameters_ = loaded.parameters;
    cutThicknessValue_->setText(number(parameters_.cutThickness));
    rodLengthValue_->setText(number(parameters_.rodLength));
    catalogue_.setLanguage(loaded.language);
    showLanguageTicks();
    documentationPending_ = loaded.documentationMarker == settings::kDocumentationPending;
}

void MainWindow::showLanguageTicks() {
    const Language current = catalogue_.language();
    slovakAction_->setChecked(current == Language::Slovak);
    englishAction_->setChecked(current == Language::English);
    germanAction_->setChecked(current == Language::German);
    czechAction_->setChecked(current == Language::Czech);
    dutchAction_->setChecked(current == Language::Dutch);
}

void MainWindow::openDocumentationOnce() {
    context_.shell.openLink(documentationLink());
    saveSetting(context_.settings, settings::kDocumentation, settings::kDocumentationOpened);
    documentationPending_ = false;
    loadTexts();
    resetScreen();
    clearResult();
}

void MainWindow::loadTexts() {
    customerCaption_->setText(text(1));
    jobNameCaption_->setText(text(2));
    colourCaption_->setText(text(3));
    dimensionCaption_->setText(text(4));
    piecesCaption_->setText(text(5));
    cutThicknessCaption_->setText(text(34));
    rodLengthCaption_->setText(text(35));
    totalsFrame_->setTitle(text(41));
    for (int i = 0; i < 5; ++i) totalsLabels_[2 * i]->setText(text(42 + i));
    fileMenu_->setTitle(text(18));
    newAction_->setText(text(19));
    openAction_->setText(text(20));
    saveAction_->setText(text(21));
    saveAsAction_->setText(text(22));
    printAction_->setText(text(23));
    exportMenu_->setTitle(text(24));
    excelAction_->setText(text(25));
    textAction_->setText(text(26));
    exitAction_->setText(text(27));
    settingsMenu_->setTitle(text(28));
    parametersAction_->setText(text(29));
    languageMenu_->setTitle(text(30));
    aboutAction_->setText(text(86));
    optimiseAction_->setText(text(8));
    addButton_->setToolTip(text(17));
    deleteButton_->setToolTip(text(6));
    editButton_->setToolTip(text(7));
    optimiseButton_->setToolTip(text(8));
    const int toolTips[] = {19, 20, 21, 22, 23, 25, 26, 27, 29, 86};
    for (int i = 0; i < 10; ++i) toolbarButtons_[i]->setToolTip(text(toolTips[i]));
}

void MainWindow::playOpeningAnimation() {
    if (!designedSize_.isValid()) designedSize_ = sizeHint();
    const int width = designedSize_.width();
    const int height = designedSize_.height();
    const int step = pixels(kAnimationStepTwips);
    // The window system keeps a window at least one pixel in each direction.
    setMinimumSize(1, 1);
    setMaximumSize(width, height);
    resize(1, 1);
    if (const QScreen* screen = this->screen()) {
        // Centred; on a screen too small for it, the menus stay in reach.
        const QRect available = screen->availableGeometry();
        move(available.left() + std::max(0, (available.width() - width) / 2),
             available.top() + std::max(0, (available.height() - height) / 2));
    }
    show();
    for (int w = this->width(); w <= width; w += step) {
        resize(w, 1);
        QCoreApplication::processEvents();
    }
    for (int h = this->height(); h <= height; h += step) {
        resize(width, h);
        QCoreApplication::processEvents();
    }
    setFixedSize(width, height);
    activateWindow();
    customerBox_->setFocus();
}

void MainWindow::resetScreen() {
    // The job on screen is replaced: a run of it has no use any more.
    if (running_) stopRun();

    listGrid_->clearContents();
    listGrid_->setRowCount(0);
    selectListRow(0);
    listGrid_->setHorizontalHeaderItem(0, centredItem(text(4)));
    listGrid_->setHorizontalHeaderItem(1, centredItem(text(5)));
    fitListGrid();

    addButton_->setEnabled(false);
    deleteButton_->setEnabled(false);
    editButton_->setEnabled(false);
    setOptimiseEnabled(false);
    dimensionBox_->clear();
    piecesBox_->clear();

    resetResultDisplay();
    jobFileName_.clear();
    setWindowTitle(text(63));

    list_.clear();
    jobNameBox_->clear();
    colourBox_->clear();
    customerBox_->clear();
    jobChanged_ = false;
    resultPresent_ = false;

    if (isVisible()) customerBox_->setFocus();
}

void MainWindow::clearResult() {
    result_ = CuttingPlan{};
    resetResultDisplay();
    resultPresent_ = false;
    // Printing and exporting need the result that has just gone.
    disableResultCommands();
}

void MainWindow::resetResultDisplay() {
    progressText_->setText(QString::fromStdString(formatProgress(0)));
    progressBar_->setValue(0);
    for (int i = 1; i < 10; i += 2) totalsLabels_[i]->clear();

    resultGrid_->clearContents();
    resultGrid_->setRowCount(0);
    resultGrid_->setColumnCount(kResultFixedColumns);
    for (int column = 0; column < kResultFixedColumns; ++column) {
        resultGrid_->setHorizontalHeaderItem(column, centredItem(text(9 + column)));
        resultGrid_->setColumnWidth(column, pixels(kResultColumnTwips));
    }
    resultGrid_->setCurrentIndex(QModelIndex());
    fitResultGrid();
}

void MainWindow::disableResultCommands() {
    enableResultCommands(false);
}

void MainWindow::enableResultCommands(bool enabled) {
    for (QAction* command : {printAction_, exportMenu_->menuAction(), textAction_, excelAction_})
        command->setEnabled(enabled);
    for (int i : {4, 5, 6}) toolbarButtons_[i]->setEnabled(enabled);
}

void MainWindow::setOptimiseEnabled(bool enabled) {
    // A running search must stay stoppable, whatever happens to the list meanwhile.
    optimiseButton_->setEnabled(enabled || running_);
    optimiseAction_->setEnabled(enabled || running_);
}

// ---- Cutting-list editing ----

void MainWindow::updateAddButton() {
    addButton_->setEnabled(!dimensionBox_->text().isEmpty() && !piecesBox_->text().isEmpty());
}

void MainWindow::headerTextChanged() {
    jobChanged_ = true;
}

void MainWindow::addRowFromEntry() {
    for (QLineEdit* box : {dimensionBox_, piecesBox_}) {
        if (!isAcceptedEntry(box->text().toStdString())) {
            box->selectAll();
            box->setFocus();
            return;
        }
    }
    const CutItem item{dimensionBox_->text().toStdString(), piecesBox_->text().toStdString()};
    if (*parseNumericText(item.dimension) > parameters_.rodLength &&
        ask(text(47)) != MessageAnswer::Yes) {
        dimensionBox_->selectAll();
        dimensionBox_->setFocus();
        return;
    }

    list_.push_back(item);
    const int row = static_cast<int>(list_.size());
    listGrid_->setRowCount(row);
    setListCell(row, item);
    selectListRow(row);
    fitListGrid();
    listGrid_->scrollToBottom();

    dimensionBox_->clear();
    piecesBox_->clear();
    dimensionBox_->setFocus();
    deleteButton_->setEnabled(true);
    editButton_->setEnabled(true);
    setOptimiseEnabled(true);
    listChanged();
}

void MainWindow::deleteSelectedRows() {
    if (list_.empty()) return;
    const int count = listSelectionCount();
    if (count == 0) return;
    const QString question =
        count == 1 ? text(48) : text(49) + number(count) + text(count <= 4 ? 50 : 51);
    if (ask(question) != MessageAnswer::Yes) return;

    const int first = listSelectionFirst();
    list_.erase(list_.begin() + (first - 1), list_.begin() + (first - 1 + count));
    for (int i = 0; i < count; ++i) listGrid_->removeRow(first - 1);

    const int current = first <= static_cast<int>(list_.size()) ? first : first - 1;
    if (current != 0) {
        editButton_->setEnabled(true);
    } else {
        deleteButton_->setEnabled(false);
        editButton_->setEnabled(false);
        setOptimiseEnabled(false);
    }
    selectListRow(current);
    fitListGrid();
    listChanged();
}

void MainWindow::updateEditButton() {
    const int count = listSelectionCount();
    editButton_->setEnabled(count == 1 && listSelectionFirst() != 0);
}

void MainWindow::editSelectedRow() {
    if (listSelectionCount() == 1 && listSelectionFirst() != 0) editRow(listSelectionFirst());
}

void MainWindow::editCurrentRow() {
    if (const int row = listGrid_->currentRow() + 1; row >= 1) editRow(row);
}

void MainWindow::editRow(int row) {
    ItemEditDialog dialog(catalogue_, list_[row - 1], this);
    if (dialog.exec() != QDialog::Accepted) return;
    list_[row - 1] = dialog.item();
    setListCell(row, list_[row - 1]);
    selectListRow(row);
    listChanged();
}

void MainWindow::listChanged() {
    jobChanged_ = true;
    // A result, finished or still being computed, belongs to the list as it was.
    if (running_)
        stopRun();
    else if (resultPresent_)
        clearResult();
}

void MainWindow::fitListGrid() {
    const int rows = listGrid_->rowCount() + 1;
    const bool scrolls = rows > kListVisibleRows;
    fitGrid(listGrid_, scrolls ? kListVisibleRows : rows, listColumnsWidth(), false, scrolls);
}

int MainWindow::listSelectionFirst() const {
    const QModelIndexList rows = listGrid_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return 0;
    int first = rows.front().row();
    for (const QModelIndex& index : rows) first = std::min(first, index.row());
    return first + 1;
}

int MainWindow::listSelectionCount() const {
    return static_cast<int>(listGrid_->selectionModel()->selectedRows().size());
}

void MainWindow::selectListRow(int row) {
    if (row == 0) {
        listGrid_->clearSelection();
        listGrid_->setCurrentIndex(QModelIndex());
        return;
    }
    listGrid_->setCurrentCell(row - 1, 0,
                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void MainWindow::setListCell(int row, const CutItem& item) {
    listGrid_->setItem(row - 1, 0, centredItem(qText(item.dimension)));
    listGrid_->setItem(row - 1, 1, centredItem(qText(item.pieces)));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == listGrid_ && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && !key->isAutoRepeat()) deleteSelectedRows();
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- The run ----

void MainWindow::optimiseOrStop() {
    if (running_) {
        stopRun();
        return;
    }
    // A stopped search that has not returned yet still owns the display.
    if (searchInProgress_ || list_.empty()) return;

    auto pieces = std::make_unique<PieceList>();
    const PreparedInput prepared = prepareInput(list_, parameters_.rodLength, *pieces);
    if (!showPreparationMessages(prepared)) {
        clearResult();
        return;
    }
    if (pieces->count() == 0) return;
    clearResult();
    setBusy(true);
    runSearch(std::move(pieces));
}

bool MainWindow::showPreparationMessages(const PreparedInput& prepared) {
    for (const RejectedRow& row : prepared.rejectedRows) {
        if (row.messageOffset == msg::kDimensionTooLong) {
            context_.dialogs.message(
                this, {text(row.messageOffset), QLatin1String(kDimensionTooLongTitle),
                       MessageButtons::Ok, MessageAnswer::Ok, MessageIcon::Warning});
        } else {
            showError(row.messageOffset);
        }
    }
    if (prepared.tooManyPieces) showError(msg::kTooManyPieces);
    return !prepared.tooManyPieces;
}

void MainWindow::runSearch(std::unique_ptr<PieceList> pieces) {
    // The run keeps its own pieces and parameters: whatever the window does while the search
    // yields cannot change what the search works on.
    const JobParameters runParameters = parameters_;
    optimiseButton_->setIcon(stopIcon_);
    running_ = true;
    searchInProgress_ = true;
    optimiseButton_->setToolTip(text(40));

    WindowRunObserver observer(
        running_,
        [this, &runParameters](double percent, const PlanSummary& totals) {
            showProgress(percent, totals, runParameters.rodLength);
        },
        [this](int offset) { showError(offset); });
    CuttingPlan plan = searchCuttingPlan(*pieces, runParameters, observer);
    searchInProgress_ = false;

    if (plan.status == RunStatus::Stopped) {
        // The stop press has restored the button; what the search did since is not shown.
        resetResultDisplay();
        return;
    }
    observer.flush();
    restoreOptimiseButton();
    // After an abort the totals of the last complete rod stay, and no result.
    if (plan.status == RunStatus::Finished) {
        result_ = std::move(plan);
        showResult();
        enableResultCommands(true);
        resultPresent_ = true;
    }
    setOptimiseEnabled(!list_.empty());
    setBusy(false);
}

void MainWindow::stopRun() {
    clearResult();
    setBusy(true);
    restoreOptimiseButton();
    notify(msg::kInterrupted);
    setBusy(false);
    setOptimiseEnabled(!list_.empty());
}

void MainWindow::restoreOptimiseButton() {
    optimiseButton_->setIcon(optimiseIcon_);
    running_ = false;
    optimiseButton_->setToolTip(text(8));
}

void MainWindow::showProgress(double percent, const PlanSummary& totals, int16_t rodLength) {
    progressText_->setText(QString::fromStdString(formatProgress(percent)));
    progressBar_->setValue(static_cast<int>(std::lround(percent)));
    totalsLabels_[1]->setText(number(totals.rodCount));
    totalsLabels_[3]->setText(number(totals.totalWaste));
    totalsLabels_[5]->setText(number(totals.wastePieceCount));
    const QString point = QLocale().decimalPoint();
    const char separator =
        point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
    const std::optional<double> percentUsed = efficiency(totals, rodLength);
    totalsLabels_[7]->setText(
        percentUsed ? QString::fromStdString(formatEfficiency(*percentUsed, separator))
                    : QString());
    totalsLabels_[9]->setText(
        QString::fromStdString(formatPossibilities(totals.calculatedPossibilities)));
}

void MainWindow::showResult() {
    progressText_->setText(QString::fromStdString(formatProgress(100)));
    progressBar_->setValue(100);

    const PatternTable& patterns = result_.patterns;
    const int columns = kResultFixedColumns + patterns.maxPieceCount();
    resultGrid_->setColumnCount(columns);
    for (int column = kResultFixedColumns; column < columns; ++column) {
        resultGrid_->setHorizontalHeaderItem(
            column, centredItem(text(16) + number(column - kResultFixedColumns + 1)));
        resultGrid_->setColumnWidth(column, pixels(kResultDimensionColumnTwips));
    }
    resultGrid_->setRowCount(patterns.count());
    for (int p = 0; p < patterns.count(); ++p) {
        for (int row = 1; row <= patterns[p].pieceCount + 4; ++row)
            resultGrid_->setItem(p, row - 1, centredItem(number(patterns[p].row(row))));
    }
    const int last = patterns.count() - 1;
    resultGrid_->setCurrentCell(last, 0,
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    fitResultGrid();
    resultGrid_->scrollToBottom();
}

void MainWindow::fitResultGrid() {
    const int rows = resultGrid_->rowCount() + 1;
    const int columns = resultGrid_->columnCount();
    const bool tall = rows > kResultVisibleRows;
    const bool wide = columns > kResultWidestColumns;
    fitGrid(resultGrid_, tall ? kResultVisibleRows : rows, resultColumnsWidth(columns), wide, tall);
}

void MainWindow::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Close and the window frame's close button alike.
    if (!confirmDiscardChanges()) {
        event->ignore();
        return;
    }
    // Closing ends a run quietly: nobody is left to look at its result.
    if (running_) {
        restoreOptimiseButton();
        setBusy(false);
    }
    event->accept();
}

// ---- Job files ----

void MainWindow::newJob() {
    if (!confirmDiscardChanges()) return;
    resetScreen();
    disableResultCommands();
}

void MainWindow::openJob() {
    if (!confirmDiscardChanges()) return;
    // The old job goes before the dialog: cancelling it leaves a new, empty job.
    resetScreen();
    disableResultCommands();
    const JobFileCommands files = jobFiles();
    const std::optional<QString> path = files.chooseFileToOpen();
    if (!path) return;
    const std::optional<Job> opened = files.read(*path);
    if (!opened) return;
    showJob(*opened);
    jobFileName_ = *path;
    setWindowTitle(QLatin1String(kProductTitle) + QStringLiteral(" : ") + jobFileName_);
    jobChanged_ = false;
}

void MainWindow::saveJob() {
    if (!jobChanged_) return;
    // A job that has only been saved under a name still counts as new and asks for the name.
    if (windowTitle() == text(63)) {
        const std::optional<QString> path = jobFiles().chooseFileToSave(jobFileName_);
        if (path) writeJob(*path);
        return;
    }
    writeJob(jobFileName_);
}

void MainWindow::saveJobAs() {
    const std::optional<QString> path = jobFiles().chooseFileToSave(jobFileName_);
    if (path && writeJob(*path))
        setWindowTitle(QLatin1String(kProductTitle) + QStringLiteral(" : ") + jobFileName_);
}

void MainWindow::closeProgram() {
    close();
}

bool MainWindow::writeJob(const QString& path) {
    // The job is bound to a file only once it is in it.
    if (!jobFiles().write(path, job())) return false;
    jobFileName_ = path;
    jobChanged_ = false;
    return true;
}

bool MainWindow::confirmDiscardChanges() {
    if (!jobChanged_) return true;
    const QString question =
        jobFileName_.isEmpty() ? text(53) : text(54) + jobFileName_ + QLatin1Char('?');
    switch (context_.dialogs.message(
        this, {question, QLatin1String(kProductTitle), MessageButtons::YesNoCancel,
               MessageAnswer::Yes, MessageIcon::None})) {
        case MessageAnswer::Yes:
            // A save that was cancelled or failed keeps the job rather than losing it.
            saveJob();
            return !jobChanged_;
        case MessageAnswer::No:
            jobChanged_ = false;
            return true;
        case MessageAnswer::Cancel:
        case MessageAnswer::Ok:
            break;
    }
    return false;
}

void MainWindow::showJob(const Job& opened) {
    customerBox_->setText(qText(opened.header.customer));
    jobNameBox_->setText(qText(opened.header.name));
    colourBox_->setText(qText(opened.header.colour));
    list_ = opened.list;
    const int rows = static_cast<int>(list_.size());
    listGrid_->setRowCount(rows);
    for (int row = 1; row <= rows; ++row) setListCell(row, list_[row - 1]);
    selectListRow(rows);
    fitListGrid();
    // A long list shows its last rows.
    listGrid_->scrollToBottom();
    const bool hasRows = rows > 0;
    deleteButton_->setEnabled(hasRows);
    editButton_->setEnabled(hasRows);
    setOptimiseEnabled(hasRows);
}

JobFileCommands MainWindow::jobFiles() {
    return JobFileCommands(this, context_.dialogs, catalogue_);
}

// ---- Parameters, languages and About ----

void MainWindow::editParameters() {
    ParametersDialog dialog(catalogue_, context_.settings, context_.dialogs, parameters_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    parameters_ = dialog.parameters();
    cutThicknessValue_->setText(number(parameters_.cutThickness));
    rodLengthValue_->setText(number(parameters_.rodLength));
    // A result, finished or still being computed, belongs to the parameters as they were.
    if (running_) {
        stopRun();
    } else if (resultPresent_) {
        clearResult();
        disableResultCommands();
    }
}

void MainWindow::switchLanguage(Language chosen) {
    if (!confirmDiscardChanges()) {
        // The click has moved the tick; it goes back to the current language.
        showLanguageTicks();
        return;
    }
    catalogue_.setLanguage(chosen);
    showLanguageTicks();
    saveSetting(context_.settings, settings::kLanguage, settingsName(chosen));
    loadTexts();
    resetScreen();
    disableResultCommands();
    clearResult();
}

void MainWindow::chooseFirstLanguage() {
    // The main window is not shown yet: the form stands alone on the screen.
    LanguageDialog form(context_.settings);
    if (form.exec() == QDialog::Accepted) {
        catalogue_.setLanguage(form.chosen());
        showLanguageTicks();
    }
    loadTexts();
    resetScreen();
    clearResult();
}

void MainWindow::showAbout() {
    AboutDialog dialog(context_.shell, this);
    dialog.exec();
}

// ---- Shared ----

Job MainWindow::job() const {
    return {{customerBox_->text().toStdString(), jobNameBox_->text().toStdString(),
             colourBox_->text().toStdString()},
            list_};
}

MessageAnswer MainWindow::ask(const QString& question) {
    return context_.dialogs.message(
        this, {question, QLatin1String(kProductTitle), MessageButtons::YesNo, MessageAnswer::No,
               MessageIcon::Question});
}

void MainWindow::notify(int offset) {
    context_.dialogs.message(this, {text(offset), QLatin1String(kProductTitle), MessageButtons::Ok,
                                    MessageAnswer::Ok, MessageIcon::Information});
}

void MainWindow::showError(int offset) {
    context_.dialogs.message(this, {text(offset), text(msg::kError), MessageButtons::Ok,
                                    MessageAnswer::Ok, MessageIcon::Error});
}

QString MainWindow::text(int offset) const {
    return qText(catalogue_.text(offset));
}

}  // namespace marlo
