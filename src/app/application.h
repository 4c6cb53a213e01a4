#pragma once

#include <QApplication>

// The application object. Every handler of the windows runs inside the toolkit's handler
// boundary; an error that escapes everything else ends the program through the backstop that
// the constructor installs.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Creates and shows the main window, then runs until the program ends.
    int run();
};

// The whole program: connects to the window system, then runs the game. Where no window can be
// opened, it says so in one line and ends with a failure status.
int runGame(int &argc, char **argv);
