// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "userfiles.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace UserFiles {

namespace {

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

} // namespace

QByteArray randomLetters(int count)
{
    static constexpr char letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray suffix;
    for (int i = 0; i < count; ++i)
        suffix += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    return suffix;
}

QByteArray home()
{
    QByteArray home = qgetenv("HOME");
    if (home.isEmpty()) {
        if (const passwd *account = ::getpwuid(::getuid()))
            home = account->pw_dir;
    }
    return home;
}

QByteArray xdgFolder(const char *variable, const char *fallback)
{
    // A relative path is ignored, as the rules have it.
    const QByteArray folder = qgetenv(variable);
    return folder.startsWith('/') ? folder : home() + '/' + fallback;
}

void makeFolders(const QByteArray &path)
{
    for (qsizetype slash = path.indexOf('/', 1); slash != -1; slash = path.indexOf('/', slash + 1))
        ::mkdir(path.left(slash).constData(), 0777);
    ::mkdir(path.constData(), 0777);
}

QByteArray resolved(const QByteArray &path)
{
    QByteArray file = path;
    // As many links as the system itself follows before it gives up.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat found {};
        if (::lstat(file.constData(), &found) != 0 || !S_ISLNK(found.st_mode))
            return file;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(file.constData(), target.data(), size_t(target.size()));
        if (length <= 0 || length >= target.size())
            return file;
        target.truncate(length);
        file = target.startsWith('/') ? target : folderOf(file) + '/' + target;
    }
    return file;
}

bool replaceWhole(const QByteArray &path, const QByteArray &bytes)
{
    const QByteArray file = resolved(path);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 10 && fd < 0; ++attempt) {
        temporary = file + TemporaryInfix + randomLetters(6);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    // The user's own permissions on the file stay; a filesystem that cannot keep them is no
    // reason to lose what is written.
    struct stat old {};
    if (::stat(file.constData(), &old) == 0 && S_ISREG(old.st_mode))
        static_cast<void>(::fchmod(fd, old.st_mode & 07777));

    bool written = true;
    for (qsizetype done = 0; written && done < bytes.size();) {
        const ssize_t step = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (step > 0)
            done += step;
        else if (step < 0 && errno == EINTR)
            continue;
        else
            written = false; // a full disk, a file-size limit, an I/O error
    }
    written = ::fsync(fd) == 0 && written;
    written = ::close(fd) == 0 && written; // some filesystems report a failed write only here
    if (!written || ::rename(temporary.constData(), file.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    // The rename itself reaches the disk with the folder; it is done already, so this can only
    // make it last sooner.
    const int folder = ::open(folderOf(file).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        static_cast<void>(::fsync(folder));
        ::close(folder);
    }
    return true;
}

} // namespace UserFiles
