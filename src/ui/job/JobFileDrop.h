#pragma once

#include <QObject>
#include <QString>
#include <optional>

class QMimeData;

namespace marlo {

// Lets a job file (*.opt, *.mvjob) or a parts list (see isPartsListFileName) dragged from the
// file manager be dropped on the window it watches. Other drops are left to the window's
// controls.
class JobFileDrop : public QObject {
    Q_OBJECT

  public:
    explicit JobFileDrop(QObject* parent) : QObject(parent) {}

  signals:
    void jobDropped(const QString& path);
    void partsListDropped(const QString& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The path of the dragged file: exactly one local file.
    static std::optional<QString> droppedFile(const QMimeData* data);
    static bool isJobFileName(const QString& path);
};

}  // namespace marlo
