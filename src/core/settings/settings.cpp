// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "settings.h"

#include "appinfo.h"
#include "files/userfiles.h"

#include <QFileInfo>
#include <QSettings>

#include <utility>

namespace {

const QString SoundKey = QStringLiteral("sound");

} // namespace

Settings::Settings(const QString &path) : m_path(path) {}

Settings::~Settings() = default;

QString Settings::defaultPath()
{
    return UserFiles::xdgFolder("XDG_CONFIG_HOME", ".config") +
           QStringLiteral("/%1/%1.conf").arg(QLatin1String(AppInfo::Executable));
}

QSettings *Settings::file()
{
    if (std::exchange(m_opened, true))
        return m_file.get();
    // QSettings would wait for ever on a FIFO in the file's place.
    const QFileInfo found(m_path);
    if (!found.exists() || found.isFile())
        m_file = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
    if (m_file)
        m_sound = m_file->value(SoundKey, true).toBool(); // what could be read of it
    if (!m_file || m_file->status() != QSettings::NoError) {
        qWarning("%s: the settings file %s cannot be read or is not as the game writes it; it "
                 "is left as it is, and a change holds until the program ends",
                 AppInfo::DisplayName, qUtf8Printable(m_path));
        m_file.reset();
    }
    return m_file.get();
}

bool Settings::sound()
{
    file();
    return m_sound;
}

void Settings::setSound(bool on)
{
    QSettings *settings = file();
    m_sound = on;
    if (!settings)
        return;
    settings->setValue(SoundKey, on);
    // Written now, so that a failure can be said; another copy's keys are merged in first.
    settings->sync();
    if (settings->status() != QSettings::NoError)
        qWarning("%s: the settings file %s cannot be written; the change holds until the program "
                 "ends",
                 AppInfo::DisplayName, qUtf8Printable(m_path));
}
