#include "settings/QSettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include "jobfile/RegularFile.h"

namespace marlo {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString keyPath(std::string_view section, std::string_view key) {
    return fromUtf8(section) + QLatin1Char('/') + fromUtf8(key);
}

}  // namespace

QSettingsStore::QSettingsStore()
    : QSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) {}

QSettingsStore::QSettingsStore(QString folder) : folder_(std::move(folder)) {}

QString QSettingsStore::fileOf(std::string_view application) const {
    return QDir(folder_).filePath(fromUtf8(application) + QStringLiteral(".ini"));
}

// A missing file is an empty store that saving creates.
bool QSettingsStore::usable(const QString& file) const {
    const FileReadStatus status = checkRegularFile(file.toStdString(), kMaxSettingsFileBytes);
    return status == FileReadStatus::Read || status == FileReadStatus::CannotRead;
}

std::string QSettingsStore::get(std::string_view application, std::string_view section,
                                std::string_view key) const {
    const QString file = fileOf(application);
    if (!usable(file)) return {};
    const QSettings settings(file, QSettings::IniFormat);
    return settings.value(keyPath(section, key)).toString().toStdString();
}

void QSettingsStore::save(std::string_view application, std::string_view section,
                          std::string_view key, std::string_view value) {
    const QString file = fileOf(application);
    if (!usable(file)) return;
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(keyPath(section, key), fromUtf8(value));
}

}  // namespace marlo
