#include <gtest/gtest.h>

#include <QCoreApplication>

// Qt's SQL drivers are plugins, loaded only within an application.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
