#pragma once

#include <QString>
#include <optional>

#include "i18n/StringCatalogue.h"
#include "model/Job.h"
#include "model/ProductionJob.h"
#include "ui/common/Dialogs.h"

class QWidget;

namespace marlo {

// The file side of the job commands: the open and save dialogs with the job file filter, reading
// and writing job files, and the messages of their failures. The window keeps the job's state.
class JobFileCommands {
  public:
    JobFileCommands(QWidget* window, Dialogs& dialogs, const StringCatalogue& catalogue);

    // The path as the open dialog returns it; nothing when the dialog was cancelled or gave no
    // name.
    std::optional<QString> chooseFileToOpen() const;
    // The path as the save dialog returns it, a file there confirmed for replacing; nothing when
    // the dialog was cancelled or gave no name.
    std::optional<QString> chooseFileToSave(const QString& proposal) const;
    // The same for a production job, under its own type.
    std::optional<QString> chooseProductionFileToSave(const QString& proposal) const;

    // The job of the file. Nothing after message 57 for a file that is not a job file, and
    // nothing without a message for a file that cannot be read.
    std::optional<Job> read(const QString& path) const;
    // False, after message 61 with the path, when the file could not be written; whatever was at
    // the path before is then unchanged.
    bool write(const QString& path, const Job& job) const;

    // The production job of a *.mvjob file; nothing after the message of what is wrong with it.
    std::optional<ProductionJob> readProduction(const QString& path) const;
    // As write() for a production job.
    bool writeProduction(const QString& path, const ProductionJob& job) const;

  private:
    FileRequest request(int filter, const QString& proposal) const;
    void showError(const QString& text) const;

    QWidget* window_;
    Dialogs& dialogs_;
    const StringCatalogue& catalogue_;
};

}  // namespace marlo
