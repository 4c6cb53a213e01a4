// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "language/language.h"
#include "mainwindow.h"
#include "pictures.h"
#include "process.h"
#include "recordingdesktop.h"
#include "scores/scorekeeper.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

// What the application does for the whole process before its first window, in the language
// of the test's environment.
class TestProcess {
public:
    TestProcess()
    {
        toolkit::process::prepare();
        if (useLanguage(m_translator, programLanguage(messageLanguages())))
            QCoreApplication::installTranslator(&m_translator);
    }

private:
    QTranslator m_translator;
};

// The main window as the application makes it, on a desktop that records, with its score file
// at `scorePath` and its settings beside it.
struct TestGame {
    explicit TestGame(const QString &scorePath)
        : scores(scorePath), settings(settingsPath(scorePath)),
          window(desktop, pictures, scores, settings)
    {
    }

    static QString settingsPath(const QString &scorePath)
    {
        return QFileInfo(scorePath).dir().filePath("kaludnik.conf");
    }

    RecordingDesktop desktop;
    toolkit::PictureStore pictures;
    ScoreKeeper scores;
    Settings settings;
    MainWindow window;
};
