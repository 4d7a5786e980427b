#pragma once

#include <QPrinter>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/common/Dialogs.h"

namespace marlo {

// Answers the windows' questions from a script and records every question. A message box with
// no scripted answer takes its default button, as Enter would.
class ScriptedDialogs : public Dialogs {
  public:
    MessageAnswer message(QWidget*, const MessageRequest& request) override {
        messages.push_back(request);
        if (onMessage) onMessage(request);
        if (answers.empty()) return request.defaultAnswer;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<QString> openFileName(QWidget*, const FileRequest& request) override {
        fileRequests.push_back(request);
        return nextFile();
    }
    std::optional<QString> saveFileName(QWidget*, const FileRequest& request) override {
        fileRequests.push_back(request);
        return nextFile();
    }
    bool setUpPrinter(QWidget*, QPrinter& printer) override {
        ++printerRequests;
        if (!printToPdf.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printToPdf);
            printer.setCopyCount(printCopies);
        }
        return printerAccepted;
    }
    bool printerInstalled() override { return hasPrinter; }

    std::deque<MessageAnswer> answers;
    std::deque<QString> files;  // the files chosen in turn; an empty name cancels the dialog
    bool hasPrinter = true;     // false: the machine has no printer, the printer dialog never opens
    bool printerAccepted = false;
    QString printToPdf;  // when set, an accepted printer dialog prints into this PDF file
    int printCopies = 1;
    std::function<void(const MessageRequest&)> onMessage;

    std::vector<MessageRequest> messages;
    std::vector<FileRequest> fileRequests;
    int printerRequests = 0;

  private:
    std::optional<QString> nextFile() {
        if (files.empty()) return std::nullopt;
        const QString file = files.front();
        files.pop_front();
        if (file.isEmpty()) return std::nullopt;
        return file;
    }
};

}  // namespace marlo
