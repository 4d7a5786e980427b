#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <random>

#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "i18n/Language.h"
#include "settings/InMemorySettingsStore.h"
#include "settings/ProgramSettings.h"
#include "ui/main/MainWindow.h"

// Readable values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{' << texts.join(QStringLiteral(" | ")).toStdString() << '}';
}

namespace marlo {

// Runs `inDialog` on the next modal dialog once it has the keyboard, then closes the dialog if it
// is still open. Watches as long as the returned timer lives.
inline std::unique_ptr<QTimer> whenDialogOpens(std::function<void(QDialog*)> inDialog) {
    auto timer = std::make_unique<QTimer>();
    QTimer* watch = timer.get();
    QObject::connect(watch, &QTimer::timeout, [watch, inDialog = std::move(inDialog)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        // A dialog counts as active with its parent; the keyboard needs it to be the window.
        if (!dialog || QApplication::activeWindow() != dialog) return;
        watch->stop();
        inDialog(dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    timer->start(5);
    return timer;
}

// A main window over an in-memory settings store, scripted dialogs and a recording shell.
class WindowTest : public testing::Test {
  protected:
    void TearDown() override {
        if (window) window->close();
    }

    // A store as a later start finds it: defaults written, documentation already shown.
    void storeLaterStart(Language language = Language::English) {
        writeDefaultSettings(store);
        saveSetting(store, settings::kLanguage, settingsName(language));
        saveSetting(store, settings::kDocumentation, settings::kDocumentationOpened);
    }

    void start() {
        window = std::make_unique<MainWindow>(UiContext{dialogs, store, shell, fewestRodsSolver});
        window->startUp();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T>
    T* find(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QLineEdit* box(const QString& name) const { return find<QLineEdit>(name); }
    QTableWidget* grid(const QString& name) const { return find<QTableWidget>(name); }
    QString label(const QString& name) const { return find<QLabel>(name)->text(); }
    QAction* action(const QString& name) const { return find<QAction>(name); }

    // Types into whatever has the keyboard focus, as the operator does.
    static void typeIntoFocus(const QString& text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    static void pressEnterInFocus() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }

    // Enters one list row with the keyboard: dimension, Enter, pieces, Enter. The dimension box
    // is clicked when it does not have the focus; typing replaces the selected text.
    void typeRow(const QString& dimension, const QString& pieces) {
        QLineEdit* dimensionBox = box(QStringLiteral("Text1"));
        if (QApplication::focusWidget() != dimensionBox) {
            QTest::mouseClick(dimensionBox, Qt::LeftButton);
            QCoreApplication::processEvents();
        }
        typeIntoFocus(dimension);
        pressEnterInFocus();
        typeIntoFocus(pieces);
        pressEnterInFocus();
    }

    // 40 triplets that fill rods of 1000 exactly: the fewest-rods method's first plans need more
    // than 40 rods, and its proof takes a moment.
    void typeTriplets() {
        for (const auto& [length, count] : tripletPieces())
            typeRow(QString::number(length), QString::number(count));
    }
    // The pieces of those triplets by length.
    static std::map<int, int> tripletPieces() {
        std::mt19937 random(11);
        std::map<int, int> pieces;
        for (int i = 0; i < 40; ++i) {
            const int a = 380 + static_cast<int>(random() % 110);
            const int b = 250 + static_cast<int>(random() % ((1000 - a) / 2 - 250 + 1));
            ++pieces[a];
            ++pieces[b];
            ++pieces[1000 - a - b];
        }
        return pieces;
    }

    // Runs `inDialog` on the modal dialog that `open` opens, then closes the dialog if still open.
    void withDialog(const std::function<void()>& open,
                    const std::function<void(QDialog*)>& inDialog) {
        bool reached = false;
        const auto watch = whenDialogOpens([&](QDialog* dialog) {
            reached = true;
            inDialog(dialog);
        });
        open();
        EXPECT_TRUE(reached);
        // The offscreen platform has no window manager to hand the focus back.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // The texts of the table's cells as shown: hidden columns left out.
    static std::vector<QStringList> rows(const QTableWidget* table) {
        std::vector<QStringList> result;
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c) {
                if (table->isColumnHidden(c)) continue;
                const QTableWidgetItem* item = table->item(r, c);
                cells << (item ? item->text() : QString());
            }
            while (!cells.isEmpty() && cells.back().isEmpty()) cells.removeLast();
            result.push_back(cells);
        }
        return result;
    }

    static QStringList headers(const QTableWidget* table) {
        QStringList result;
        for (int c = 0; c < table->columnCount(); ++c)
            result << table->horizontalHeaderItem(c)->text();
        return result;
    }

    // The texts of the five totals: rods, waste, waste pieces, efficiency, possibilities.
    QStringList totals() const {
        QStringList result;
        for (int i = 1; i < 10; i += 2) result << label(QStringLiteral("Label4_%1").arg(i));
        return result;
    }

    InMemorySettingsStore store;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    FewestRodsSolver fewestRodsSolver = solveFewestRods;
    std::unique_ptr<MainWindow> window;
};

}  // namespace marlo
