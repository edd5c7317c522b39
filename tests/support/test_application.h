#pragma once

#include "platform/tapplication.h"

#include <QTest>

// Widget tests run under the program's own application object, so that exceptions leaving
// handlers reach the error box exactly as in the program.
#define LUMVEX_WIDGET_TEST_MAIN(TestObject)                                                        \
    int main(int argc, char* argv[]) {                                                             \
        TApplication application(argc, argv);                                                      \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
