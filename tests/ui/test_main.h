#pragma once
// main() for the window's tests: the application is prepared exactly as the program prepares it
// (locale, Qt's Japanese texts, fonts), then the test object runs.

#include "host/startup.h"

#include <QApplication>
#include <QTest>

#define ZELVANU_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char* argv[]) {                                                             \
        QApplication app(argc, argv);                                                              \
        zelvanu::prepareApplication(app);                                                          \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
