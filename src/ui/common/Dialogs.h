#pragma once

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace marlo {

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };
enum class MessageIcon { None, Information, Question, Warning, Error };

// A modal message box.
struct MessageRequest {
    QString text;
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
    MessageIcon icon = MessageIcon::Information;
};

// An open or save dialog. The filter is written as the catalogue keeps it: description and
// pattern pairs separated by vertical bars ("All files (*.*)|*.*|Supported files (*.opt)|*.opt").
struct FileRequest {
    QString filter;
    int filterIndex = 1;  // the 1-based pair shown first
    QString fileName;     // proposed name or path
};

// Every question the windows ask the user: message boxes, file dialogs and the printer dialog.
// The desktop program shows the real dialogs; tests answer from a script and record the
// questions.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer message(QWidget* parent, const MessageRequest& request) = 0;
    // The chosen path; nothing when the dialog was cancelled.
    virtual std::optional<QString> openFileName(QWidget* parent, const FileRequest& request) = 0;
    // The chosen path; a chosen file that exists has been confirmed for replacing.
    virtual std::optional<QString> saveFileName(QWidget* parent, const FileRequest& request) = 0;
    // Lets the user choose and set up the printer; false when cancelled.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
    // False when the machine has no printer to choose: printing cannot start.
    virtual bool printerInstalled() = 0;
};

}  // namespace marlo
