#include "ui/common/ProgramStyle.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

// The resources of a static library are registered by hand; the macro must be called from the
// global namespace.
static void registerPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace marlo {

void applyProgramStyle(QApplication& application) {
    registerPictures();
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The window layout is measured for an 8-point sans serif, the classic dialog font.
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setStyleHint(QFont::SansSerif);
    application.setFont(font);
    application.setWindowIcon(picture(QStringLiteral("optimise")));
}

QString picturePath(const QString& name) {
    return QStringLiteral(":/pictures/%1.svg").arg(name);
}

QIcon picture(const QString& name) {
    return QIcon(picturePath(name));
}

}  // namespace marlo
