// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "settings.h"

#include "appinfo.h"
#include "files/userfiles.h"

#include <QtGlobal>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char Section[] = "[General]";
constexpr char SoundKey[] = "sound";
// Far more than the file ever holds: anything longer is not this program's.
constexpr qsizetype MaxBytes = 64 * 1024;

// The file's bytes; an error number where it cannot be read, 0 where it is not there.
QByteArray readAll(const QByteArray &path, int &error)
{
    error = 0;
    // Not blocking: a FIFO in the file's place would wait for a writer for ever.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno == ENOENT ? 0 : errno;
        return {};
    }
    QByteArray bytes;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = EINVAL;
    } else {
        bytes.resize(MaxBytes + 1);
        qsizetype done = 0;
        for (ssize_t step; done < bytes.size() &&
                           (step = ::read(fd, bytes.data() + done, size_t(bytes.size() - done)));) {
            if (step < 0 && errno == EINTR)
                continue;
            if (step < 0) {
                error = errno;
                break;
            }
            done += step;
        }
        bytes.truncate(done);
        if (done > MaxBytes)
            error = EFBIG;
    }
    ::close(fd);
    return error ? QByteArray() : bytes;
}

// The line of `key` in the general section, or -1.
qsizetype lineOf(const QList<QByteArray> &lines, const char *key)
{
    bool general = true; // keys before any section belong to it
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.startsWith('['))
            general = line == Section;
        else if (general && line.contains('=') && line.left(line.indexOf('=')).trimmed() == key)
            return i;
    }
    return -1;
}

} // namespace

Settings::Settings(const QByteArray &path) : m_path(path) {}

QByteArray Settings::defaultPath()
{
    return UserFiles::xdgFolder("XDG_CONFIG_HOME", ".config") + '/' + AppInfo::Executable + '/' +
           AppInfo::Executable + ".conf";
}

bool Settings::sound()
{
    read();
    return m_sound;
}

void Settings::setSound(bool on)
{
    read();
    m_sound = on;
    const QByteArray line = QByteArray(SoundKey) + '=' + (on ? "true" : "false");
    if (const qsizetype at = lineOf(m_lines, SoundKey); at >= 0)
        m_lines[at] = line;
    else if (const qsizetype section = m_lines.indexOf(Section); section >= 0)
        m_lines.insert(section + 1, line);
    else
        m_lines = QList<QByteArray>{Section, line} + m_lines;
    const QByteArray folder = m_path.left(m_path.lastIndexOf('/'));
    UserFiles::makeFolders(folder);
    if (!UserFiles::replaceWhole(m_path, m_lines.join('\n') + '\n'))
        qWarning("%s: the settings file %s cannot be written (%s); the change holds until the "
                 "program ends",
                 AppInfo::DisplayName, m_path.constData(), std::strerror(errno));
}

void Settings::read()
{
    if (std::exchange(m_read, true))
        return;
    int error = 0;
    const QByteArray bytes = readAll(m_path, error);
    if (error) {
        qWarning("%s: the settings file %s cannot be read (%s); the defaults hold",
                 AppInfo::DisplayName, m_path.constData(), std::strerror(error));
        return;
    }
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (const qsizetype at = lineOf(lines, SoundKey); at >= 0) {
        const QByteArray value = lines[at].mid(lines[at].indexOf('=') + 1).trimmed();
        if (value != "true" && value != "false") {
            qWarning("%s: the settings file %s is damaged (%s); the defaults hold",
                     AppInfo::DisplayName, m_path.constData(), lines[at].constData());
            return;
        }
        m_sound = value == "true";
    }
    m_lines = lines;
}
