#pragma once

#include <QAbstractItemModel>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include "WindowTest.h"

namespace marlo {

// The main window in English with an empty SQLite store of its own, for production jobs: every
// material is cut from its rod length unless a test fills the store.
class ProductionWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        storeLaterStart(Language::English);
        saveSetting(store, settings::kStockStore,
                    "sqlite:" + folder.filePath("stock.sqlite").toStdString());
        start();
    }

    QString writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QAbstractItemModel* parts() const {
        return find<QTableView>(QStringLiteral("ProductionParts"))->model();
    }
    QString part(int row, int column) const {
        return parts()->index(row, column).data().toString();
    }

    QTemporaryDir folder;
};

}  // namespace marlo
