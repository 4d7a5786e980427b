#pragma once

#include <QDialog>
#include <QUrl>

#include "ui/Shell.h"

class QLabel;
class QPushButton;

namespace marlo {

// The About window: the program's name and version, a link that starts a mail to support and a
// link to the user documentation. Its texts are the same in every language.
class About : public QDialog {
    Q_OBJECT

  public:
    explicit About(Shell& shell, QWidget* parent = nullptr);

    // Starts a new mail message in the user's mail program.
    void OpenEmail(const QString& address, const QString& subject, const QString& body);
    // The link OpenEmail hands on: the address with "mailto:" in front unless it starts with it in
    // any case, then "?subject=" and the subject when there is one, then "?" or "&", "body=" and
    // the body when there is one. Nothing is escaped.
    static QString mailLink(const QString& address, const QString& subject, const QString& body);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Label1_Click();
    void Label3_Click();

    Shell& shell_;
    QUrl documentation_;
    QLabel* lbltxt_0_;
    QLabel* lbltxt_1_;
    QLabel* Label4_;
    QLabel* Label1_;
    QLabel* Label2_;
    QLabel* Label3_;
    QPushButton* Command1_;
};

}  // namespace marlo
