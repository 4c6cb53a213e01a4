// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "userfiles.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>

#include <pwd.h>
#include <unistd.h>

namespace UserFiles {

QString xdgFolder(const char *variable, const char *fallback)
{
    // A relative path is ignored, as the rules have it.
    const QByteArray folder = qgetenv(variable);
    if (folder.startsWith('/'))
        return QFile::decodeName(folder);
    QByteArray home = qgetenv("HOME");
    if (home.isEmpty()) {
        if (const passwd *account = ::getpwuid(::getuid()))
            home = account->pw_dir;
    }
    return QFile::decodeName(home + '/' + fallback);
}

QString randomLetters(int count)
{
    static constexpr char letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString result;
    for (int i = 0; i < count; ++i)
        result +=
            QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return result;
}

bool replaceWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Under a file-size limit, write() reports a short count and no error, and flush() and
    // commit() still succeed: the count is the only sign that the file would be cut.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace UserFiles
