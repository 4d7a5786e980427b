#include "ui/job/JobFileCommands.h"

#include <filesystem>

#include "i18n/texts/WindowProductionTexts.h"
#include "jobfile/JobFile.h"
#include "jobfile/ProductionJobFile.h"
#include "reports/ProductionJobMessages.h"
#include "ui/common/FilePaths.h"

namespace marlo {

namespace {

constexpr int kJobFileFilter = 81;  // "All files (*.*)|*.*|Supported files (*.opt)|*.opt"
constexpr int kJobFilesFirst = 2;   // the filter of job files is shown first

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

std::optional<QString> named(std::optional<QString> path) {
    if (path && path->isEmpty()) return std::nullopt;
    return path;
}

}  // namespace

JobFileCommands::JobFileCommands(QWidget* window, Dialogs& dialogs,
                                 const StringCatalogue& catalogue)
    : window_(window), dialogs_(dialogs), catalogue_(catalogue) {}

FileRequest JobFileCommands::request(int filter, const QString& proposal) const {
    return {qText(catalogue_.text(filter)), kJobFilesFirst, proposal};
}

std::optional<QString> JobFileCommands::chooseFileToOpen() const {
    return named(
        dialogs_.openFileName(window_, request(window_production_text::kOpenFilter, QString())));
}

std::optional<QString> JobFileCommands::chooseFileToSave(const QString& proposal) const {
    return named(dialogs_.saveFileName(window_, request(kJobFileFilter, proposal)));
}

std::optional<QString> JobFileCommands::chooseProductionFileToSave(const QString& proposal) const {
    return named(
        dialogs_.saveFileName(window_, request(window_production_text::kSaveFilter, proposal)));
}

std::optional<Job> JobFileCommands::read(const QString& path) const {
    JobFileReadResult result = readJobFile(filePath(path));
    switch (result.status) {
        case JobFileStatus::Taken:
            return std::move(result.job);
        case JobFileStatus::NotAJobFile:
            showError(qText(catalogue_.text(msg::kNotSupportedFormat)));
            break;
        case JobFileStatus::CannotRead:
            break;
    }
    return std::nullopt;
}

bool JobFileCommands::write(const QString& path, const Job& job) const {
    if (writeJobFile(filePath(path), job)) return true;
    showError(qText(catalogue_.text(msg::kCannotWriteFile)) + path);
    return false;
}

std::optional<ProductionJob> JobFileCommands::readProduction(const QString& path) const {
    ProductionJobFileRead read = readProductionJobFile(filePath(path));
    if (read.status == ProductionJobFileStatus::Read) return std::move(read.job);
    showError(qText(productionJobFileMessage(read, path.toStdString(), catalogue_)));
    return std::nullopt;
}

bool JobFileCommands::writeProduction(const QString& path, const ProductionJob& job) const {
    if (writeProductionJobFile(filePath(path), job)) return true;
    showError(qText(catalogue_.text(msg::kCannotWriteFile)) + path);
    return false;
}

void JobFileCommands::showError(const QString& text) const {
    dialogs_.message(window_, {text, qText(catalogue_.text(msg::kError)), MessageButtons::Ok,
                               MessageAnswer::Ok, MessageIcon::Error});
}

}  // namespace marlo
