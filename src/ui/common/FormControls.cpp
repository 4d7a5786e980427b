#include "ui/common/FormControls.h"

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>

#include "i18n/Language.h"
#include "i18n/StringCatalogue.h"
#include "ui/common/ProgramStyle.h"
#include "ui/common/Twips.h"

namespace marlo {

QString qText(const std::string& text) {
    return QString::fromStdString(text);
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

int roomRows(const QWidget* room, int designedRows) {
    return designedRows +
           std::max(0, room->height() - room->minimumHeight()) / pixels(kGridRowTwips);
}

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

}  // namespace marlo
