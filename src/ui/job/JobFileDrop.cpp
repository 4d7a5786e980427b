#include "ui/job/JobFileDrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "ui/production/PartsListImport.h"

namespace marlo {

bool JobFileDrop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
        event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::optional<QString> path = droppedFile(drop->mimeData());
        const bool job = path && isJobFileName(*path);
        if (job || (path && isPartsListFileName(*path))) {
            drop->acceptProposedAction();
            if (event->type() != QEvent::Drop) return true;
            if (job)
                emit jobDropped(*path);
            else
                emit partsListDropped(*path);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

std::optional<QString> JobFileDrop::droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return std::nullopt;
    return url.toLocalFile();
}

bool JobFileDrop::isJobFileName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(QLatin1String("opt"), Qt::CaseInsensitive) == 0 ||
           suffix.compare(QLatin1String("mvjob"), Qt::CaseInsensitive) == 0;
}

}  // namespace marlo
