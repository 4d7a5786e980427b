#include "ui/job/JobFileDrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace marlo {

bool JobFileDrop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
        event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::optional<QString> path = jobFile(drop->mimeData());
        if (path) {
            drop->acceptProposedAction();
            if (event->type() == QEvent::Drop) emit jobDropped(*path);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

std::optional<QString> JobFileDrop::jobFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return std::nullopt;
    const QString path = url.toLocalFile();
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("opt"), Qt::CaseInsensitive) != 0 &&
        suffix.compare(QLatin1String("mvjob"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return path;
}

}  // namespace marlo
