// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Where the user's files live and how they are written.
namespace UserFiles {

// A folder of the XDG base directory rules: environment variable `variable` where it holds an
// absolute path, else `fallback` (".local/share", ".config") in the home folder: HOME, or, where
// that is unset or empty, the home that the password database gives the user.
QString xdgFolder(const char *variable, const char *fallback);

// How old a lock of the data folder (QLockFile) must be to be taken over where its owner ran on
// another machine that shares the folder, and QLockFile cannot ask whether it lives: one that
// dies on this machine loses its lock at once, and a live one here holds it locked. Writes
// hold their locks for milliseconds, or seconds on a slow disk.
inline constexpr int StaleLockMs = 10000;

// `count` random letters and digits, for names that must not meet another.
QString randomLetters(int count);

// Writes `bytes` as the file at `path`, all or nothing (QSaveFile): a symbolic link stays a
// link, the file it points to is replaced, and its permissions stay. A write cut short (a full
// disk, a file-size limit) leaves the old file as it was.
bool replaceWhole(const QString &path, const QByteArray &bytes);

} // namespace UserFiles
