#include "ui/job/RecentJobsMenu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "i18n/texts/DesktopTexts.h"
#include "settings/RecentJobs.h"

namespace marlo {

RecentJobsMenu::RecentJobsMenu(QMenu* menu, SettingsStore& settings, WindowMessages& messages)
    : QObject(menu), menu_(menu), settings_(settings), messages_(messages) {
    showFiles();
}

void RecentJobsMenu::remember(const QString& path) {
    // The settings file keeps UTF-8 text: a name in other bytes would come back as another name,
    // which the menu could not open. Such a job is not listed.
    if (QString::fromStdString(path.toStdString()) != path) return;
    rememberRecentJob(settings_, path.toStdString());
    showFiles();
}

void RecentJobsMenu::choose(const QString& path) {
    if (QFileInfo::exists(path)) {
        emit jobChosen(path);
        return;
    }
    forgetRecentJob(settings_, path.toStdString());
    showFiles();
    messages_.notify(messages_.text(desktop_text::kRecentJobGone) + path);
}

void RecentJobsMenu::showFiles() {
    menu_->clear();
    int number = 0;
    for (const std::string& stored : readRecentJobs(settings_)) {
        const QString path = QString::fromStdString(stored);
        QAction* item = menu_->addAction(QStringLiteral("&%1 ").arg(++number) +
                                         QString(path).replace(QLatin1Char('&'), "&&"));
        item->setObjectName(QStringLiteral("mnu_posledna_%1").arg(number));
        connect(item, &QAction::triggered, this, [this, path] { choose(path); });
    }
    menu_->menuAction()->setEnabled(number > 0);
}

}  // namespace marlo
