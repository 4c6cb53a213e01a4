#pragma once

#include <QApplication>

// The application object. Every handler of the windows runs inside the toolkit's handler
// boundary; notify() is only the backstop for an error that escapes anything else.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Creates and shows the main window, then runs until the program ends.
    int run();
};
