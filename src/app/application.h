// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "desktop.h"
#include "endsignals.h"
#include "pictures.h"
#include "settings/settings.h"

#include <QApplication>
#include <QTranslator>

#include <memory>

class MainWindow;
class ScoreKeeper;

// The application: it makes what the windows use for the whole run (the desktop's services,
// the pictures, the score file's keeper, the player's settings, the translation) and hands it
// to them. An error that escapes every handler ends the program through the backstop that it
// installs; SIGTERM, SIGHUP and SIGINT end it as its quit command does.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int &argc, char **argv);
    ~Application() override;

    // The main window, made with the application's services; the end signals end the program
    // through it.
    std::unique_ptr<MainWindow> makeMainWindow();
    // Creates and shows the main window, then runs until the program ends.
    int run();
    // The end of a run that ended with `status`: the saves still waiting get their last tries;
    // what they could not write is named on stderr, and the status is then a failure.
    int finishSaves(int status);

private:
    Application(int &argc, char **argv, const QString &language);

    toolkit::QtDesktop m_desktop;
    toolkit::PictureStore m_pictures;
    // A logout or Ctrl+C ends the game as its quit does; it outlives the keeper, so that such
    // a signal never cuts the last save short.
    EndSignals m_endSignals;
    std::unique_ptr<ScoreKeeper> m_scores; // made once the application has its name
    Settings m_settings{Settings::defaultPath()};
    QTranslator m_translator;
};

// The whole program: connects to the window system, then runs the game. Where no window can be
// opened, it says so in one line and ends with a failure status.
int runGame(int &argc, char **argv);
