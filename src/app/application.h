#pragma once

#include <QApplication>

#include <exception>

// The application object. It is the one place where an error that escapes an event handler is
// caught: the error is reported and the program ends with a non-zero status.
class Application : public QApplication {
    Q_OBJECT

public:
    static constexpr int FatalErrorStatus = 1;

    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Creates and shows the main window, then runs until the program ends.
    int run();

    // Reports `error` through the platform and asks the program to end with a failure status.
    static void fail(const std::exception &error);
};
