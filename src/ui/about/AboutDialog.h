#pragma once

#include <QDialog>
#include <QUrl>

#include "ui/common/Shell.h"
#include "ui/common/WindowMessages.h"

class QLabel;
class QPushButton;

namespace marlo {

// The About window: the program's name and version, a link that starts a mail to support and a
// link to the user documentation (`documentation`). Its texts are the same in every language.
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    // `messages` tells the user when a link cannot be opened.
    AboutDialog(Shell& shell, WindowMessages& messages, QUrl documentation,
                QWidget* parent = nullptr);

    // Starts a new mail message in the user's mail program; a message names the address when
    // there is none.
    void openMail(const QString& address, const QString& subject, const QString& body);
    // The link openMail hands on: the address with "mailto:" in front unless it starts with it in
    // any case, then "?subject=" and the subject when there is one, then "?" or "&", "body=" and
    // the body when there is one. Nothing is escaped.
    static QString mailLink(const QString& address, const QString& subject, const QString& body);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void startSupportMail();
    void openDocumentation();

    Shell& shell_;
    WindowMessages& messages_;
    QUrl documentation_;
    QLabel* nameLabel_;
    QLabel* descriptionLabel_;
    QLabel* versionLabel_;
    QLabel* mailLink_;
    QLabel* documentationCaption_;
    QLabel* documentationLink_;
    QPushButton* okButton_;
};

}  // namespace marlo
