#include "ui/Vypocet.h"

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
#include "ui/About.h"
#include "ui/DocumentationLink.h"
#include "ui/EntryBoxes.h"
#include "ui/FixedTexts.h"
#include "ui/NumericEntry.h"
#include "ui/Parametre.h"
#include "ui/ProgramStyle.h"
#include "ui/Twips.h"
#include "ui/WindowRunObserver.h"
#include "ui/edit.h"
#include "ui/language.h"

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

Vypocet::Vypocet(UiContext context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      Image1_(picture(QStringLiteral("optimise"))),
      Image2_(picture(QStringLiteral("stop"))) {
    setObjectName(QStringLiteral("Vypocet"));
    buildControls();
    buildMenus();
    buildToolbar();
}

Vypocet::~Vypocet() = default;

void Vypocet::buildControls() {
    auto* form = new QWidget(this);
    form->setObjectName(QStringLiteral("form"));
    setCentralWidget(form);

    Label7_ = namedLabel(QStringLiteral("Label7"), form);
    Label5_ = namedLabel(QStringLiteral("Label5"), form);
    Label6_ = namedLabel(QStringLiteral("Label6"), form);
    Label1_ = namedLabel(QStringLiteral("Label1"), form);
    Label2_ = namedLabel(QStringLiteral("Label2"), form);
    Label3_ = namedLabel(QStringLiteral("Label3"), form);
    Label12_ = namedLabel(QStringLiteral("Label12"), form);
    Label13_ = namedLabel(QStringLiteral("Label13"), form);
    Label14_ = namedLabel(QStringLiteral("Label14"), form);
    Label15_ = namedLabel(QStringLiteral("Label15"), form);
    const QList<QLineEdit**> boxes = {&Text1_, &Text2_, &Text3_, &Text4_, &Text5_};
    for (int i = 0; i < boxes.size(); ++i) {
        *boxes[i] = new QLineEdit(form);
        (*boxes[i])->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        SelectAllOnFocus::install(*boxes[i]);
    }
    Command1_ = pictureButton(QStringLiteral("Command1"), QStringLiteral("add"), 20, form);
    Command2_ = pictureButton(QStringLiteral("Command2"), QStringLiteral("delete"), 20, form);
    Command3_ = pictureButton(QStringLiteral("Command3"), QStringLiteral("edit"), 20, form);
    Command6_ = pictureButton(QStringLiteral("Command6"), QStringLiteral("optimise"), 48, form);
    Command6_->setAutoRaise(true);
    ProgressBar1_ = new QProgressBar(form);
    ProgressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1_->setRange(0, 100);
    ProgressBar1_->setTextVisible(false);

    // The cutting list and the result each get the room of their largest size, so that their
    // growing moves nothing else.
    auto* listRoom = new QWidget(form);
    Grid1_ = new QTableWidget(listRoom);
    Grid1_->setObjectName(QStringLiteral("Grid1"));
    setUpGrid(Grid1_);
    listRoom->setFixedSize(gridSize(Grid1_, kListVisibleRows, listColumnsWidth(), true, true));
    auto* resultRoom = new QWidget(form);
    Grid2_ = new QTableWidget(resultRoom);
    Grid2_->setObjectName(QStringLiteral("Grid2"));
    setUpGrid(Grid2_);
    Grid2_->setStyleSheet(
        QStringLiteral("QTableWidget { gridline-color: %1; }").arg(kResultGridLines.name()));
    resultRoom->setFixedSize(
        gridSize(Grid2_, kResultVisibleRows, resultColumnsWidth(kResultWidestColumns), true, true));

    Frame1_ = new QGroupBox(form);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    auto* totals = new QGridLayout(Frame1_);
    totals->setHorizontalSpacing(pixels(180));
    totals->setVerticalSpacing(pixels(60));
    for (int i = 0; i < 10; ++i) {
        Label4_[i] = namedLabel(QStringLiteral("Label4_%1").arg(i), Frame1_);
        if (i % 2 == 1) {
            Label4_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Label4_[i]->setFrameShape(QFrame::Panel);
            Label4_[i]->setFrameShadow(QFrame::Sunken);
            Label4_[i]->setMinimumWidth(pixels(1500));
        }
        totals->addWidget(Label4_[i], i / 2, i % 2);
    }

    layOutForm(form, listRoom, resultRoom);

    setTabOrder(Text5_, Text3_);
    setTabOrder(Text3_, Text4_);
    setTabOrder(Text4_, Text1_);
    setTabOrder(Text1_, Text2_);

    connect(Text1_, &QLineEdit::textChanged, this, &Vypocet::Text1_Change);
    connect(Text2_, &QLineEdit::textChanged, this, &Vypocet::Text1_Change);
    connect(Text1_, &QLineEdit::returnPressed, Text2_, qOverload<>(&QWidget::setFocus));
    connect(Text2_, &QLineEdit::returnPressed, this, &Vypocet::Command1_Click);
    connect(Text5_, &QLineEdit::returnPressed, Text3_, qOverload<>(&QWidget::setFocus));
    connect(Text3_, &QLineEdit::returnPressed, Text4_, qOverload<>(&QWidget::setFocus));
    connect(Text4_, &QLineEdit::returnPressed, Text1_, qOverload<>(&QWidget::setFocus));
    for (QLineEdit* box : {Text3_, Text4_, Text5_})
        connect(box, &QLineEdit::textChanged, this, &Vypocet::headerTextChanged);
    connect(Command1_, &QToolButton::clicked, this, &Vypocet::Command1_Click);
    connect(Command2_, &QToolButton::clicked, this, &Vypocet::Command2_Click);
    connect(Command3_, &QToolButton::clicked, this, &Vypocet::Command3_Click);
    connect(Command6_, &QToolButton::clicked, this, &Vypocet::Command6_Click);
    connect(Grid1_, &QTableWidget::itemSelectionChanged, this, &Vypocet::Grid1_Click);
    connect(Grid1_, &QTableWidget::cellDoubleClicked, this, &Vypocet::Grid1_DblClick);
    connect(Grid2_, &QTableWidget::currentCellChanged, this, &Vypocet::Grid2_RowColChange);
    Grid1_->installEventFilter(this);
}

void Vypocet::layOutForm(QWidget* form, QWidget* listRoom, QWidget* resultRoom) {
    for (QLabel* caption : {Label7_, Label5_, Label6_})
        caption->setMinimumWidth(widestCaption(caption, {1, 2, 3}));
    for (QLabel* caption : {Label12_, Label13_})
        caption->setMinimumWidth(widestCaption(caption, {34, 35}));
    for (int i = 0; i < 10; i += 2)
        Label4_[i]->setMinimumWidth(widestCaption(Label4_[i], {42, 43, 44, 45, 46}));

    // Left: the job header, the entry line and the cutting list.
    const int gap = pixels(90);
    auto* header = new QGridLayout;
    header->setSpacing(gap);
    header->addWidget(Label7_, 0, 0);
    header->addWidget(Text5_, 0, 1);
    header->addWidget(Label5_, 1, 0);
    header->addWidget(Text3_, 1, 1);
    header->addWidget(Label6_, 2, 0);
    header->addWidget(Text4_, 2, 1);
    Label7_->setBuddy(Text5_);
    Label5_->setBuddy(Text3_);
    Label6_->setBuddy(Text4_);

    Text1_->setFixedWidth(pixels(kListDimensionColumnTwips));
    Text2_->setFixedWidth(pixels(kListPiecesColumnTwips) + pixels(300));
    Text1_->setAlignment(Qt::AlignRight);
    Text2_->setAlignment(Qt::AlignRight);
    Label1_->setBuddy(Text1_);
    Label2_->setBuddy(Text2_);
    auto* entry = new QGridLayout;
    entry->setHorizontalSpacing(gap);
    entry->setVerticalSpacing(pixels(30));
    entry->addWidget(Label1_, 0, 0);
    entry->addWidget(Label2_, 0, 1);
    entry->addWidget(Text1_, 1, 0);
    entry->addWidget(Text2_, 1, 1);
    entry->addWidget(Command1_, 1, 2);
    entry->setColumnStretch(3, 1);

    auto* listButtons = new QVBoxLayout;
    listButtons->setSpacing(gap);
    listButtons->addWidget(Command2_);
    listButtons->addWidget(Command3_);
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
    Label3_->setAlignment(Qt::AlignCenter);
    Label3_->setMinimumWidth(Label3_->fontMetrics().horizontalAdvance(QStringLiteral("100 %")) +
                             gap);
    ProgressBar1_->setFixedSize(pixels(3600), pixels(270));
    auto* progress = new QVBoxLayout;
    progress->setSpacing(pixels(30));
    progress->addStretch();
    progress->addWidget(ProgressBar1_);
    progress->addWidget(Label3_, 0, Qt::AlignHCenter);
    progress->addStretch();
    auto* parameters = new QGridLayout;
    parameters->setHorizontalSpacing(2 * gap);
    parameters->setVerticalSpacing(pixels(30));
    parameters->addWidget(Label12_, 0, 0);
    parameters->addWidget(Label14_, 0, 1, Qt::AlignRight);
    parameters->addWidget(Label13_, 1, 0);
    parameters->addWidget(Label15_, 1, 1, Qt::AlignRight);
    auto* parametersColumn = new QVBoxLayout;
    parametersColumn->addStretch();
    parametersColumn->addLayout(parameters);
    parametersColumn->addStretch();
    auto* run = new QHBoxLayout;
    run->setSpacing(2 * gap);
    run->addWidget(Command6_);
    run->addLayout(progress);
    run->addStretch();
    run->addLayout(parametersColumn);

    auto* evaluation = new QHBoxLayout;
    evaluation->setSpacing(0);
    evaluation->addWidget(Frame1_);
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

void Vypocet::buildMenus() {
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
    mnu_subor_ = menu(bar, "mnu_subor");
    mnu_novy_ = action(mnu_subor_, "mnu_novy", QKeySequence(Qt::CTRL | Qt::Key_N));
    mnu_otvorit_ = action(mnu_subor_, "mnu_otvorit", QKeySequence(Qt::CTRL | Qt::Key_O));
    mnu_ulozit_ = action(mnu_subor_, "mnu_ulozit", QKeySequence(Qt::CTRL | Qt::Key_S));
    mnu_ulozit_ako_ = action(mnu_subor_, "mnu_ulozit_ako");
    mnu_subor_->addSeparator()->setObjectName(QStringLiteral("nothing1"));
    mnu_tlacit_ = action(mnu_subor_, "mnu_tlacit", QKeySequence(Qt::CTRL | Qt::Key_P));
    mnu_export_ = menu(mnu_subor_, "mnu_export");
    mnu_export_excel_ = action(mnu_export_, "mnu_export_excel", QKeySequence(Qt::CTRL | Qt::Key_E));
    mnu_export_subor_ = action(mnu_export_, "mnu_export_subor", QKeySequence(Qt::CTRL | Qt::Key_T));
    mnu_subor_->addSeparator()->setObjectName(QStringLiteral("nothing2"));
    mnu_exit_ = action(mnu_subor_, "mnu_exit", QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnu_nastavenia_ = menu(bar, "mnu_nastavenia");
    mnu_jazyk_ = menu(mnu_nastavenia_, "mnu_jazyk");
    mnu_czech_ = action(mnu_jazyk_, "mnu_czech");
    mnu_german_ = action(mnu_jazyk_, "mnu_german");
    mnu_dutch_ = action(mnu_jazyk_, "mnu_dutch");
    mnu_english_ = action(mnu_jazyk_, "mnu_english");
    mnu_slovak_ = action(mnu_jazyk_, "mnu_slovak");
    mnu_parametre_ = action(mnu_nastavenia_, "mnu_parametre");

    mnu_about_ = action(bar, "mnu_about");
    mnu_optimalizuj_ = action(bar, "mnu_optimalizuj");

    // The language names are the same in every language.
    mnu_czech_->setText(QStringLiteral("Česky"));
    mnu_german_->setText(QStringLiteral("Deutsch"));
    mnu_dutch_->setText(QStringLiteral("Nederlands"));
    mnu_english_->setText(QStringLiteral("English"));
    mnu_slovak_->setText(QStringLiteral("Slovensky"));
    const std::pair<QAction*, Language> languages[] = {{mnu_czech_, Language::Czech},
                                                       {mnu_german_, Language::German},
                                                       {mnu_dutch_, Language::Dutch},
                                                       {mnu_english_, Language::English},
                                                       {mnu_slovak_, Language::Slovak}};
    for (const auto& [item, chosen] : languages) {
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, chosen] { switchLanguage(chosen); });
    }
    connect(mnu_novy_, &QAction::triggered, this, &Vypocet::mnu_novy_Click);
    connect(mnu_otvorit_, &QAction::triggered, this, &Vypocet::mnu_otvorit_Click);
    connect(mnu_ulozit_, &QAction::triggered, this, &Vypocet::mnu_ulozit_Click);
    connect(mnu_ulozit_ako_, &QAction::triggered, this, &Vypocet::mnu_ulozit_ako_Click);
    connect(mnu_exit_, &QAction::triggered, this, &Vypocet::mnu_exit_Click);
    connect(mnu_parametre_, &QAction::triggered, this, &Vypocet::mnu_parametre_Click);
    connect(mnu_about_, &QAction::triggered, this, &Vypocet::mnu_about_Click);
    connect(mnu_optimalizuj_, &QAction::triggered, this, &Vypocet::Command6_Click);
    connect(mnu_tlacit_, &QAction::triggered, this,
            [this] { reportCommands().mnu_tlacit_Click(); });
    connect(mnu_export_subor_, &QAction::triggered, this,
            [this] { reportCommands().mnu_export_subor_Click(); });
    connect(mnu_export_excel_, &QAction::triggered, this,
            [this] { reportCommands().mnu_export_excel_Click(); });
}

ReportCommands Vypocet::reportCommands() {
    return ReportCommands(this, context_, catalogue_, {job(), parameters_, result_, jobFileName_});
}

void Vypocet::buildToolbar() {
    QToolBar* toolbar = addToolBar(QString());
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->toggleViewAction()->setEnabled(false);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    const char* pictures[] = {"new",   "open", "save",  "save-as",    "print",
                              "excel", "text", "close", "parameters", "about"};
    QAction* commands[] = {mnu_novy_,      mnu_otvorit_,      mnu_ulozit_,       mnu_ulozit_ako_,
                           mnu_tlacit_,    mnu_export_excel_, mnu_export_subor_, mnu_exit_,
                           mnu_parametre_, mnu_about_};
    for (int i = 0; i < 10; ++i) {
        Command7_[i] = pictureButton(QStringLiteral("Command7_%1").arg(i),
                                     QLatin1String(pictures[i]), 24, toolbar);
        Command7_[i]->setAutoRaise(true);
        connect(Command7_[i], &QToolButton::clicked, commands[i], &QAction::trigger);
        toolbar->addWidget(Command7_[i]);
        if (i == 3 || i == 6 || i == 7) toolbar->addSeparator();
    }
}

void Vypocet::Form_Load() {
    Reg_write();
    Reg_read();
    Resource_load();
    Command6_->setIcon(Image1_);
    running_ = false;

    Grid1_->setColumnCount(2);
    Grid1_->setColumnWidth(0, pixels(kListDimensionColumnTwips));
    Grid1_->setColumnWidth(1, pixels(kListPiecesColumnTwips));
    Grid2_->setColumnCount(kResultFixedColumns);
    for (int column = 0; column < kResultFixedColumns; ++column)
        Grid2_->setColumnWidth(column, pixels(kResultColumnTwips));

    mnu_novy_Click();
    if (firstStart_) chooseFirstLanguage();
    if (documentationPending_) openDocumentationOnce();
    Animate2();
}

void Vypocet::Reg_write() {
    firstStart_ = writeDefaultSettings(context_.settings);
}

void Vypocet::Reg_read() {
    const ProgramSettings loaded = readSettings(context_.settings);
    parameters_ = loaded.parameters;
    Label14_->setText(number(parameters_.cutThickness));
    Label15_->setText(number(parameters_.rodLength));
    catalogue_.setLanguage(loaded.language);
    showLanguageTicks();
    documentationPending_ = loaded.documentationMarker == settings::kDocumentationPending;
}

void Vypocet::showLanguageTicks() {
    const Language current = catalogue_.language();
    mnu_slovak_->setChecked(current == Language::Slovak);
    mnu_english_->setChecked(current == Language::English);
    mnu_german_->setChecked(current == Language::German);
    mnu_czech_->setChecked(current == Language::Czech);
    mnu_dutch_->setChecked(current == Language::Dutch);
}

void Vypocet::openDocumentationOnce() {
    context_.shell.openLink(documentationLink());
    saveSetting(context_.settings, settings::kDocumentation, settings::kDocumentationOpened);
    documentationPending_ = false;
    Resource_load();
    Nuluj_obrazovku();
    NulujOptimalizaciu();
}

void Vypocet::Resource_load() {
    Label7_->setText(text(1));
    Label5_->setText(text(2));
    Label6_->setText(text(3));
    Label1_->setText(text(4));
    Label2_->setText(text(5));
    Label12_->setText(text(34));
    Label13_->setText(text(35));
    Frame1_->setTitle(text(41));
    for (int i = 0; i < 5; ++i) Label4_[2 * i]->setText(text(42 + i));
    mnu_subor_->setTitle(text(18));
    mnu_novy_->setText(text(19));
    mnu_otvorit_->setText(text(20));
    mnu_ulozit_->setText(text(21));
    mnu_ulozit_ako_->setText(text(22));
    mnu_tlacit_->setText(text(23));
    mnu_export_->setTitle(text(24));
    mnu_export_excel_->setText(text(25));
    mnu_export_subor_->setText(text(26));
    mnu_exit_->setText(text(27));
    mnu_nastavenia_->setTitle(text(28));
    mnu_parametre_->setText(text(29));
    mnu_jazyk_->setTitle(text(30));
    mnu_about_->setText(text(86));
    mnu_optimalizuj_->setText(text(8));
    Command1_->setToolTip(text(17));
    Command2_->setToolTip(text(6));
    Command3_->setToolTip(text(7));
    Command6_->setToolTip(text(8));
    const int toolTips[] = {19, 20, 21, 22, 23, 25, 26, 27, 29, 86};
    for (int i = 0; i < 10; ++i) Command7_[i]->setToolTip(text(toolTips[i]));
}

void Vypocet::Animate2() {
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
    Text5_->setFocus();
}

void Vypocet::Nuluj_obrazovku() {
    // The job on screen is replaced: a run of it has no use any more.
    if (running_) stopRun();

    Grid1_->clearContents();
    Grid1_->setRowCount(0);
    selectListRow(0);
    Grid1_->setHorizontalHeaderItem(0, centredItem(text(4)));
    Grid1_->setHorizontalHeaderItem(1, centredItem(text(5)));
    Grid1_RowColChange();

    Command1_->setEnabled(false);
    Command2_->setEnabled(false);
    Command3_->setEnabled(false);
    setOptimiseEnabled(false);
    Text1_->clear();
    Text2_->clear();

    resetResultDisplay();
    jobFileName_.clear();
    setWindowTitle(text(63));

    list_.clear();
    Text3_->clear();
    Text4_->clear();
    Text5_->clear();
    jobChanged_ = false;
    resultPresent_ = false;

    if (isVisible()) Text5_->setFocus();
}

void Vypocet::NulujOptimalizaciu() {
    result_ = CuttingPlan{};
    resetResultDisplay();
    resultPresent_ = false;
    // Printing and exporting need the result that has just gone.
    Nuluj_Menu();
}

void Vypocet::resetResultDisplay() {
    Label3_->setText(QString::fromStdString(formatProgress(0)));
    ProgressBar1_->setValue(0);
    for (int i = 1; i < 10; i += 2) Label4_[i]->clear();

    Grid2_->clearContents();
    Grid2_->setRowCount(0);
    Grid2_->setColumnCount(kResultFixedColumns);
    for (int column = 0; column < kResultFixedColumns; ++column) {
        Grid2_->setHorizontalHeaderItem(column, centredItem(text(9 + column)));
        Grid2_->setColumnWidth(column, pixels(kResultColumnTwips));
    }
    Grid2_->setCurrentIndex(QModelIndex());
    Grid2_RowColChange();
}

void Vypocet::Nuluj_Menu() {
    enableResultCommands(false);
}

void Vypocet::enableResultCommands(bool enabled) {
    for (QAction* command :
         {mnu_tlacit_, mnu_export_->menuAction(), mnu_export_subor_, mnu_export_excel_})
        command->setEnabled(enabled);
    for (int i : {4, 5, 6}) Command7_[i]->setEnabled(enabled);
}

void Vypocet::setOptimiseEnabled(bool enabled) {
    // A running search must stay stoppable, whatever happens to the list meanwhile.
    Command6_->setEnabled(enabled || running_);
    mnu_optimalizuj_->setEnabled(enabled || running_);
}

// ---- Cutting-list editing ----

void Vypocet::Text1_Change() {
    Command1_->setEnabled(!Text1_->text().isEmpty() && !Text2_->text().isEmpty());
}

void Vypocet::headerTextChanged() {
    jobChanged_ = true;
}

void Vypocet::Command1_Click() {
    for (QLineEdit* box : {Text1_, Text2_}) {
        if (!isAcceptedEntry(box->text().toStdString())) {
            box->selectAll();
            box->setFocus();
            return;
        }
    }
    const CutItem item{Text1_->text().toStdString(), Text2_->text().toStdString()};
    if (*parseNumericText(item.dimension) > parameters_.rodLength &&
        ask(text(47)) != MessageAnswer::Yes) {
        Text1_->selectAll();
        Text1_->setFocus();
        return;
    }

    list_.push_back(item);
    const int row = static_cast<int>(list_.size());
    Grid1_->setRowCount(row);
    setListCell(row, item);
    selectListRow(row);
    Grid1_RowColChange();
    Grid1_->scrollToBottom();

    Text1_->clear();
    Text2_->clear();
    Text1_->setFocus();
    Command2_->setEnabled(true);
    Command3_->setEnabled(true);
    setOptimiseEnabled(true);
    listChanged();
}

void Vypocet::Command2_Click() {
    if (list_.empty()) return;
    const int count = listSelectionCount();
    if (count == 0) return;
    const QString question =
        count == 1 ? text(48) : text(49) + number(count) + text(count <= 4 ? 50 : 51);
    if (ask(question) != MessageAnswer::Yes) return;

    const int first = listSelectionFirst();
    list_.erase(list_.begin() + (first - 1), list_.begin() + (first - 1 + count));
    for (int i = 0; i < count; ++i) Grid1_->removeRow(first - 1);

    const int current = first <= static_cast<int>(list_.size()) ? first : first - 1;
    if (current != 0) {
        Command3_->setEnabled(true);
    } else {
        Command2_->setEnabled(false);
        Command3_->setEnabled(false);
        setOptimiseEnabled(false);
    }
    selectListRow(current);
    Grid1_RowColChange();
    listChanged();
}

void Vypocet::Grid1_Click() {
    const int count = listSelectionCount();
    Command3_->setEnabled(count == 1 && listSelectionFirst() != 0);
}

void Vypocet::Command3_Click() {
    if (listSelectionCount() == 1 && listSelectionFirst() != 0)
        openEditDialog(listSelectionFirst());
}

void Vypocet::Grid1_DblClick() {
    if (const int row = Grid1_->currentRow() + 1; row >= 1) openEditDialog(row);
}

void Vypocet::openEditDialog(int row) {
    edit dialog(catalogue_, list_[row - 1], this);
    if (dialog.exec() != QDialog::Accepted) return;
    list_[row - 1] = dialog.item();
    setListCell(row, list_[row - 1]);
    selectListRow(row);
    listChanged();
}

void Vypocet::listChanged() {
    jobChanged_ = true;
    // A result, finished or still being computed, belongs to the list as it was.
    if (running_)
        stopRun();
    else if (resultPresent_)
        NulujOptimalizaciu();
}

void Vypocet::Grid1_RowColChange() {
    const int rows = Grid1_->rowCount() + 1;
    const bool scrolls = rows > kListVisibleRows;
    fitGrid(Grid1_, scrolls ? kListVisibleRows : rows, listColumnsWidth(), false, scrolls);
}

int Vypocet::listSelectionFirst() const {
    const QModelIndexList rows = Grid1_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return 0;
    int first = rows.front().row();
    for (const QModelIndex& index : rows) first = std::min(first, index.row());
    return first + 1;
}

int Vypocet::listSelectionCount() const {
    return static_cast<int>(Grid1_->selectionModel()->selectedRows().size());
}

void Vypocet::selectListRow(int row) {
    if (row == 0) {
        Grid1_->clearSelection();
        Grid1_->setCurrentIndex(QModelIndex());
        return;
    }
    Grid1_->setCurrentCell(row - 1, 0,
                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void Vypocet::setListCell(int row, const CutItem& item) {
    Grid1_->setItem(row - 1, 0, centredItem(qText(item.dimension)));
    Grid1_->setItem(row - 1, 1, centredItem(qText(item.pieces)));
}

bool Vypocet::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Grid1_ && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && !key->isAutoRepeat()) Command2_Click();
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- The run ----

void Vypocet::Command6_Click() {
    if (running_) {
        stopRun();
        return;
    }
    // A stopped search that has not returned yet still owns the display.
    if (searchInProgress_ || list_.empty()) return;

    auto pieces = std::make_unique<PieceList>();
    const PreparedInput prepared = prepareInput(list_, parameters_.rodLength, *pieces);
    if (!showPreparationMessages(prepared)) {
        NulujOptimalizaciu();
        return;
    }
    if (pieces->count() == 0) return;
    NulujOptimalizaciu();
    setBusy(true);
    runSearch(std::move(pieces));
}

bool Vypocet::showPreparationMessages(const PreparedInput& prepared) {
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

void Vypocet::runSearch(std::unique_ptr<PieceList> pieces) {
    // The run keeps its own pieces and parameters: whatever the window does while the search
    // yields cannot change what the search works on.
    const JobParameters runParameters = parameters_;
    Command6_->setIcon(Image2_);
    running_ = true;
    searchInProgress_ = true;
    Command6_->setToolTip(text(40));

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

void Vypocet::stopRun() {
    NulujOptimalizaciu();
    setBusy(true);
    restoreOptimiseButton();
    notify(msg::kInterrupted);
    setBusy(false);
    setOptimiseEnabled(!list_.empty());
}

void Vypocet::restoreOptimiseButton() {
    Command6_->setIcon(Image1_);
    running_ = false;
    Command6_->setToolTip(text(8));
}

void Vypocet::showProgress(double percent, const PlanSummary& totals, int16_t rodLength) {
    Label3_->setText(QString::fromStdString(formatProgress(percent)));
    ProgressBar1_->setValue(static_cast<int>(std::lround(percent)));
    Label4_[1]->setText(number(totals.rodCount));
    Label4_[3]->setText(number(totals.totalWaste));
    Label4_[5]->setText(number(totals.wastePieceCount));
    const QString point = QLocale().decimalPoint();
    const char separator =
        point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
    const std::optional<double> percentUsed = efficiency(totals, rodLength);
    Label4_[7]->setText(percentUsed
                            ? QString::fromStdString(formatEfficiency(*percentUsed, separator))
                            : QString());
    Label4_[9]->setText(
        QString::fromStdString(formatPossibilities(totals.calculatedPossibilities)));
}

void Vypocet::showResult() {
    Label3_->setText(QString::fromStdString(formatProgress(100)));
    ProgressBar1_->setValue(100);

    const PatternTable& patterns = result_.patterns;
    const int columns = kResultFixedColumns + patterns.maxPieceCount();
    Grid2_->setColumnCount(columns);
    for (int column = kResultFixedColumns; column < columns; ++column) {
        Grid2_->setHorizontalHeaderItem(
            column, centredItem(text(16) + number(column - kResultFixedColumns + 1)));
        Grid2_->setColumnWidth(column, pixels(kResultDimensionColumnTwips));
    }
    Grid2_->setRowCount(patterns.count());
    for (int p = 0; p < patterns.count(); ++p) {
        for (int row = 1; row <= patterns[p].pieceCount + 4; ++row)
            Grid2_->setItem(p, row - 1, centredItem(number(patterns[p].row(row))));
    }
    const int last = patterns.count() - 1;
    Grid2_->setCurrentCell(last, 0,
                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    Grid2_RowColChange();
    Grid2_->scrollToBottom();
}

void Vypocet::Grid2_RowColChange() {
    const int rows = Grid2_->rowCount() + 1;
    const int columns = Grid2_->columnCount();
    const bool tall = rows > kResultVisibleRows;
    const bool wide = columns > kResultWidestColumns;
    fitGrid(Grid2_, tall ? kResultVisibleRows : rows, resultColumnsWidth(columns), wide, tall);
}

void Vypocet::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void Vypocet::closeEvent(QCloseEvent* event) {
    // Close and the window frame's close button alike.
    if (!SaveChangesPrompt()) {
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

void Vypocet::mnu_novy_Click() {
    if (!SaveChangesPrompt()) return;
    Nuluj_obrazovku();
    Nuluj_Menu();
}

void Vypocet::mnu_otvorit_Click() {
    if (!SaveChangesPrompt()) return;
    // The old job goes before the dialog: cancelling it leaves a new, empty job.
    Nuluj_obrazovku();
    Nuluj_Menu();
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

void Vypocet::mnu_ulozit_Click() {
    if (!jobChanged_) return;
    // A job that has only been saved under a name still counts as new and asks for the name.
    if (windowTitle() == text(63)) {
        const std::optional<QString> path = jobFiles().chooseFileToSave(jobFileName_);
        if (path) writeJob(*path);
        return;
    }
    writeJob(jobFileName_);
}

void Vypocet::mnu_ulozit_ako_Click() {
    const std::optional<QString> path = jobFiles().chooseFileToSave(jobFileName_);
    if (path && writeJob(*path))
        setWindowTitle(QLatin1String(kProductTitle) + QStringLiteral(" : ") + jobFileName_);
}

void Vypocet::mnu_exit_Click() {
    close();
}

bool Vypocet::writeJob(const QString& path) {
    // The job is bound to a file only once it is in it.
    if (!jobFiles().write(path, job())) return false;
    jobFileName_ = path;
    jobChanged_ = false;
    return true;
}

bool Vypocet::SaveChangesPrompt() {
    if (!jobChanged_) return true;
    const QString question =
        jobFileName_.isEmpty() ? text(53) : text(54) + jobFileName_ + QLatin1Char('?');
    switch (context_.dialogs.message(
        this, {question, QLatin1String(kProductTitle), MessageButtons::YesNoCancel,
               MessageAnswer::Yes, MessageIcon::None})) {
        case MessageAnswer::Yes:
            // A save that was cancelled or failed keeps the job rather than losing it.
            mnu_ulozit_Click();
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

void Vypocet::showJob(const Job& opened) {
    Text5_->setText(qText(opened.header.customer));
    Text3_->setText(qText(opened.header.name));
    Text4_->setText(qText(opened.header.colour));
    list_ = opened.list;
    const int rows = static_cast<int>(list_.size());
    Grid1_->setRowCount(rows);
    for (int row = 1; row <= rows; ++row) setListCell(row, list_[row - 1]);
    selectListRow(rows);
    Grid1_RowColChange();
    // A long list shows its last rows.
    Grid1_->scrollToBottom();
    const bool hasRows = rows > 0;
    Command2_->setEnabled(hasRows);
    Command3_->setEnabled(hasRows);
    setOptimiseEnabled(hasRows);
}

JobFileCommands Vypocet::jobFiles() {
    return JobFileCommands(this, context_.dialogs, catalogue_);
}

// ---- Parameters, languages and About ----

void Vypocet::mnu_parametre_Click() {
    Parametre dialog(catalogue_, context_.settings, context_.dialogs, parameters_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    parameters_ = dialog.parameters();
    Label14_->setText(number(parameters_.cutThickness));
    Label15_->setText(number(parameters_.rodLength));
    // A result, finished or still being computed, belongs to the parameters as they were.
    if (running_) {
        stopRun();
    } else if (resultPresent_) {
        NulujOptimalizaciu();
        Nuluj_Menu();
    }
}

void Vypocet::switchLanguage(Language chosen) {
    if (!SaveChangesPrompt()) {
        // The click has moved the tick; it goes back to the current language.
        showLanguageTicks();
        return;
    }
    catalogue_.setLanguage(chosen);
    showLanguageTicks();
    saveSetting(context_.settings, settings::kLanguage, settingsName(chosen));
    Resource_load();
    Nuluj_obrazovku();
    Nuluj_Menu();
    NulujOptimalizaciu();
}

void Vypocet::chooseFirstLanguage() {
    // The main window is not shown yet: the form stands alone on the screen.
    language form(context_.settings);
    if (form.exec() == QDialog::Accepted) {
        catalogue_.setLanguage(form.chosen());
        showLanguageTicks();
    }
    Resource_load();
    Nuluj_obrazovku();
    NulujOptimalizaciu();
}

void Vypocet::mnu_about_Click() {
    About dialog(context_.shell, this);
    dialog.exec();
}

// ---- Shared ----

Job Vypocet::job() const {
    return {
        {Text5_->text().toStdString(), Text3_->text().toStdString(), Text4_->text().toStdString()},
        list_};
}

MessageAnswer Vypocet::ask(const QString& question) {
    return context_.dialogs.message(
        this, {question, QLatin1String(kProductTitle), MessageButtons::YesNo, MessageAnswer::No,
               MessageIcon::Question});
}

void Vypocet::notify(int offset) {
    context_.dialogs.message(this, {text(offset), QLatin1String(kProductTitle), MessageButtons::Ok,
                                    MessageAnswer::Ok, MessageIcon::Information});
}

void Vypocet::showError(int offset) {
    context_.dialogs.message(this, {text(offset), text(msg::kError), MessageButtons::Ok,
                                    MessageAnswer::Ok, MessageIcon::Error});
}

QString Vypocet::text(int offset) const {
    return qText(catalogue_.text(offset));
}

}  // namespace marlo
