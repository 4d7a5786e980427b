#include "ui/main/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace marlo {

QString QtTranslation::BaseTranslator::translate(const char* context, const char* source,
                                                 const char* disambiguation, int n) const {
    const QString text = QTranslator::translate(context, source, disambiguation, n);
    if (!text.isEmpty() || qstrcmp(context, "QPlatformTheme") != 0) return text;
    return QTranslator::translate("QDialogButtonBox", source, disambiguation, n);
}

QtTranslation::~QtTranslation() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}

void QtTranslation::use(Language language) {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
    if (language == Language::English) return;
    const QString code = QString::fromLatin1(isoCode(language).data(),
                                             static_cast<qsizetype>(isoCode(language).size()));
    if (translator_.load(QStringLiteral("qtbase_") + code,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installed_ = QCoreApplication::installTranslator(&translator_);
}

}  // namespace marlo
