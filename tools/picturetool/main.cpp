// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// Draws the game's pictures into the folder given on the command line (the repository's
// resources/ folder; the "pictures" build target does that).
#include "pictures.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    // Needed for Qt to find its JPEG plugin.
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        err << "usage: picturetool <folder>\n";
        return 2;
    }
    QString error;
    if (!pictures::writeAll(arguments.at(1), &error)) {
        err << "picturetool: " << error << '\n';
        return 1;
    }
    return 0;
}
