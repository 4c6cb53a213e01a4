// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

class QSettings;

// The player's settings, kept between runs in kaludnik.conf through QSettings (INI):
//   [General]
//   sound=false
// Read when a setting is first asked for, not at start-up, and written when one changes; keys
// and groups that other programs keep there stay. A file that cannot be read, or that is not
// as QSettings writes it (a line it cannot parse), is never written over: it stays as it is,
// and a change holds for the run, said once on stderr.
class Settings {
public:
    // The file at `path`.
    explicit Settings(const QString &path);
    ~Settings();
    Settings(const Settings &) = delete;
    Settings &operator=(const Settings &) = delete;

    // kaludnik.conf in the program's settings folder: kaludnik in $XDG_CONFIG_HOME, or in
    // ~/.config where that is unset or not absolute.
    static QString defaultPath();

    // Whether game over sounds; it does unless the player turned it off.
    bool sound();
    void setSound(bool on);

private:
    // The file, opened when first needed; none where it must be left alone.
    QSettings *file();

    QString m_path;
    bool m_opened = false;
    std::unique_ptr<QSettings> m_file;
    bool m_sound = true; // as read, or as changed for the run
};
