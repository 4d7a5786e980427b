#include "ui/common/QtDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStringList>

namespace marlo {

namespace {

QMessageBox::StandardButton buttonOf(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Yes:
            return QMessageBox::Yes;
        case MessageAnswer::No:
            return QMessageBox::No;
        case MessageAnswer::Cancel:
            return QMessageBox::Cancel;
        case MessageAnswer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::None:
            return QMessageBox::NoIcon;
        case MessageIcon::Information:
            break;
    }
    return QMessageBox::Information;
}

// "Description (*.x)|*.x|..." becomes Qt's list of "Description (*.x)" entries. A pattern of
// "*.*" means every file, which is "*" to Qt.
QStringList qtFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        if (const qsizetype open = description.lastIndexOf(QLatin1Char('(')); open > 0)
            description = description.left(open).trimmed();
        const QString pattern =
            parts[i + 1] == QLatin1String("*.*") ? QStringLiteral("*") : parts[i + 1];
        filters << QStringLiteral("%1 (%2)").arg(description, pattern);
    }
    return filters;
}

// The extension of a filter for one file type ("Supported files (*.opt)" gives "opt"); empty
// for every file ("*") or several patterns.
QString extensionOfFilter(const QString& filter) {
    static const QRegularExpression single(QStringLiteral("\\(\\*\\.([A-Za-z0-9]+)\\)$"));
    const QRegularExpressionMatch match = single.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

std::optional<QString> runFileDialog(QWidget* parent, const FileRequest& request,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    const QStringList filters = qtFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (mode == QFileDialog::AcceptSave) {
        // A name typed without any extension under a file type's filter gets that type's
        // extension, so that the file shows up under the same filter when it is opened again.
        // A name with an extension, or one chosen under "All files", is taken as typed.
        dialog.setDefaultSuffix(extensionOfFilter(dialog.selectedNameFilter()));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& chosen) {
                             dialog.setDefaultSuffix(extensionOfFilter(chosen));
                         });
    }
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace

MessageAnswer QtDialogs::message(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(iconOf(request.icon), request.title, request.text, QMessageBox::NoButton,
                    parent);
    switch (request.buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    box.setDefaultButton(buttonOf(request.defaultAnswer));
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            break;
    }
    // A Yes/No box closed by Escape or its frame answers No.
    return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

std::optional<QString> QtDialogs::openFileName(QWidget* parent, const FileRequest& request) {
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::saveFileName(QWidget* parent, const FileRequest& request) {
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

bool QtDialogs::setUpPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    // The report prints whole, to a printer: no selection range and no print-to-file box.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::printerInstalled() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

}  // namespace marlo
