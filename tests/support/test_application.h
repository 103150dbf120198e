#pragma once
// The one QApplication of a test program, created on first use and kept to the program's end.
#include <QApplication>

inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "kurzory_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}
