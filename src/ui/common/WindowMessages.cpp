#include "ui/common/WindowMessages.h"

#include "ui/common/FixedTexts.h"

namespace marlo {

WindowMessages::WindowMessages(QWidget* window, Dialogs& dialogs, const StringCatalogue& catalogue)
    : window_(window), dialogs_(dialogs), catalogue_(catalogue) {}

QString WindowMessages::text(int offset) const {
    return QString::fromStdString(catalogue_.text(offset));
}

MessageAnswer WindowMessages::ask(const QString& question) {
    return dialogs_.message(window_, {question, QLatin1String(kProductTitle), MessageButtons::YesNo,
                                      MessageAnswer::No, MessageIcon::Question});
}

MessageAnswer WindowMessages::askYesNoCancel(const QString& question) {
    return dialogs_.message(window_,
                            {question, QLatin1String(kProductTitle), MessageButtons::YesNoCancel,
                             MessageAnswer::Yes, MessageIcon::None});
}

void WindowMessages::notify(int offset) {
    notify(text(offset));
}

void WindowMessages::notify(const QString& text) {
    dialogs_.message(window_, {text, QLatin1String(kProductTitle), MessageButtons::Ok,
                               MessageAnswer::Ok, MessageIcon::Information});
}

void WindowMessages::showError(int offset) {
    showError(text(offset));
}

void WindowMessages::showError(int offset, const QString& detail) {
    showError(text(offset) + detail);
}

void WindowMessages::showError(const QString& text) {
    dialogs_.message(window_, {text, this->text(msg::kError), MessageButtons::Ok, MessageAnswer::Ok,
                               MessageIcon::Error});
}

void WindowMessages::warnDimensionTooLong(int offset) {
    dialogs_.message(window_, {text(offset), QLatin1String(kDimensionTooLongTitle),
                               MessageButtons::Ok, MessageAnswer::Ok, MessageIcon::Warning});
}

}  // namespace marlo
