// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>

// The player's settings, kept between runs in one small file in the settings folder:
//   [General]
//   sound=false
// as Qt's settings write it. It is read when a setting is first asked for, not at start-up,
// and written at once when one changes, without a lock, so that nothing ever waits for it. A
// file that cannot be read or is damaged means the defaults, said once on stderr; a change that
// cannot be written holds for the run.
class Settings {
public:
    // The file at `path`, the bytes of its name.
    explicit Settings(const QByteArray &path);

    // kaludnik.conf in the program's settings folder: kaludnik in $XDG_CONFIG_HOME, or in
    // ~/.config where that is unset or not absolute.
    static QByteArray defaultPath();

    // Whether game over sounds; it does unless the player turned it off.
    bool sound();
    void setSound(bool on);

private:
    void read();

    QByteArray m_path;
    bool m_read = false;
    bool m_sound = true;
    QList<QByteArray> m_lines; // the file as read, written back with the changes
};
