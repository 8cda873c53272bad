#pragma once

// In place of QtTest's QTEST_*_MAIN in a test executable of many classes
// (TestRegistry.h): each registers the class under its own name, with the
// application QtTest's own main would have made for it.
//   KAVREL_TEST_MAIN(Class)              a QApplication, as QTEST_MAIN with widgets
//   KAVREL_TEST_GUILESS_MAIN(Class)      a QCoreApplication, as QTEST_GUILESS_MAIN
//   KAVREL_TEST_APPLESS_MAIN(Class)      no application, as QTEST_APPLESS_MAIN
//   KAVREL_TEST_CUSTOM_MAIN(Class, run)  `int run(int argc, char** argv)`, named for
//                                        its class, makes the application and runs
//                                        the class itself
// Like QtTest's, each stands on a line of its own without a semicolon.
#include "TestRegistry.h"

#include <QTest>
#ifdef QT_WIDGETS_LIB
#include <QApplication>
#endif

// The body of QtTest's own main, as a run of the registry.
#define KAVREL_TEST_REGISTER(TestObject, ...)                                                                          \
    [[maybe_unused]] static const bool kavrelRegistered##TestObject =                                                  \
        TestRegistry::add(#TestObject, [](int argc, char** argv) -> int {                                              \
            QTest::Internal::callInitMain<TestObject>();                                                               \
            __VA_ARGS__                                                                                                \
            TestObject tc;                                                                                             \
            QTEST_SET_MAIN_SOURCE_PATH                                                                                 \
            return QTest::qExec(&tc, argc, argv);                                                                      \
        });

#define KAVREL_TEST_APPLICATION(Application)                                                                           \
    Application app(argc, argv);                                                                                       \
    app.setAttribute(Qt::AA_Use96Dpi, true);

#define KAVREL_TEST_MAIN(TestObject) KAVREL_TEST_REGISTER(TestObject, KAVREL_TEST_APPLICATION(QApplication))
#define KAVREL_TEST_GUILESS_MAIN(TestObject) KAVREL_TEST_REGISTER(TestObject, KAVREL_TEST_APPLICATION(QCoreApplication))
#define KAVREL_TEST_APPLESS_MAIN(TestObject) KAVREL_TEST_REGISTER(TestObject)
#define KAVREL_TEST_CUSTOM_MAIN(TestObject, run)                                                                       \
    [[maybe_unused]] static const bool kavrelRegistered##TestObject = TestRegistry::add(#TestObject, run);
