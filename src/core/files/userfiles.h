// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// Where the user's files live and how they are written. Paths are the bytes of their names, as
// the system has them, whatever their encoding.
namespace UserFiles {

// The user's home folder: HOME, or, where that is unset or empty, the home that the password
// database gives the user.
QByteArray home();

// A folder of the XDG base directory rules: environment variable `variable` where it holds an
// absolute path, else `fallback` (".local/share", ".config") in the home folder.
QByteArray xdgFolder(const char *variable, const char *fallback);

// `count` random letters and digits, for names that must not meet another.
QByteArray randomLetters(int count);

// Makes the folders of `path`, as `mkdir -p` does.
void makeFolders(const QByteArray &path);

// The file that `path` names once its symbolic links are followed: `path` itself where it is
// none, and the missing file that a dangling link points to.
QByteArray resolved(const QByteArray &path);

// A save writes the new file beside the old one under the file's name and this, followed by
// six random letters or digits, and renames it into place; no other file bears such a name.
inline constexpr char TemporaryInfix[] = ".kaludnik-saving-";

// Writes `bytes` as the file at `path`, all or nothing: the new file is written and synced
// beside the old one, which stays as it was until the new one is renamed over it. A symbolic
// link stays a link: the file it points to is replaced. The old file's permissions stay.
bool replaceWhole(const QByteArray &path, const QByteArray &bytes);

} // namespace UserFiles
