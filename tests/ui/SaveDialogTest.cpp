#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>

#include "WindowTest.h"
#include "ui/common/QtDialogs.h"

namespace marlo {
namespace {

// The program's real save dialog, as the operator fills it in.
class SaveDialogTest : public testing::Test {
  protected:
    // Types `name` into the save dialog of job files and accepts it, under "All files" when
    // asked, else under the supported type the dialog proposes.
    std::optional<QString> typeAndSave(const QString& name, bool allFiles = false) {
        const auto watch = whenDialogOpens([&](QDialog* dialog) {
            if (allFiles) {
                auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                EXPECT_NE(types, nullptr);
                if (types) QTest::keyClick(types, Qt::Key_Up);
            }
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(edit, nullptr);
            edit->setText(name);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        return dialogs.saveFileName(
            nullptr, {QStringLiteral("All files (*.*)|*.*|Supported files (*.opt)|*.opt"), 2,
                      folder.filePath(QStringLiteral("New"))});
    }

    QTemporaryDir folder;
    QtDialogs dialogs;
};

TEST_F(SaveDialogTest, aNameWithoutExtension_getsTheChosenTypesExtensionOnly) {
    ASSERT_TRUE(folder.isValid());
    EXPECT_EQ(typeAndSave("hala3"), folder.filePath("hala3.opt"));
    // A name with an extension of its own, or under "All files", is taken as typed.
    EXPECT_EQ(typeAndSave("hala3.bak"), folder.filePath("hala3.bak"));
    EXPECT_EQ(typeAndSave("hala3", true), folder.filePath("hala3"));
}

}  // namespace
}  // namespace marlo
