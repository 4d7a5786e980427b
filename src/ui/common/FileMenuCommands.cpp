#include "ui/common/FileMenuCommands.h"

#include <QAction>
#include <QMenu>

namespace marlo {

namespace {

QAction* beforeRecentJobs(QMenu* fileMenu) {
    for (QAction* item : fileMenu->actions())
        if (item->objectName() == QLatin1String("nothing4")) return item;
    return nullptr;
}

}  // namespace

QAction* addFileCommand(QWidget* window, QMenu* fileMenu, const char* name) {
    auto* command = new QAction(window);
    command->setObjectName(QLatin1String(name));
    fileMenu->insertAction(beforeRecentJobs(fileMenu), command);
    return command;
}

void addFileSeparator(QMenu* fileMenu, const char* name) {
    fileMenu->insertSeparator(beforeRecentJobs(fileMenu))->setObjectName(QLatin1String(name));
}

}  // namespace marlo
