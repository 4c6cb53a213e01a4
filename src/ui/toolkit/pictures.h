// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace toolkit {

// The game's pictures, built into the program. Each is read when first asked for and then
// shared by every window that shows it; the store lets them go with it.
class PictureStore {
public:
    static inline const QString BackgroundPath = QStringLiteral(":/pictures/background.jpg");
    static inline const QString PlayPath = QStringLiteral(":/pictures/play.gif");

    PictureStore();

    // The two-square icon: its exact 32 × 32 pixels, and the launcher drawings at 16, 48, 64,
    // 128 and 256.
    QIcon applicationIcon() const { return m_icon; }
    // The dark-ground picture behind the main window's commands and the help window's rules.
    QPixmap background(qreal devicePixelRatio);
    // The see-through dark screen over the help and about commands during a game.
    QPixmap play(qreal devicePixelRatio);

    // Reads a picture of the resources, taking its @2x variant on a screen scaled above 100 %;
    // one decoded at build time is read in place, without decoding.
    static QImage loadImage(const QString &path, qreal devicePixelRatio);

private:
    QPixmap shared(const QString &path, qreal devicePixelRatio);

    QIcon m_icon;
    QHash<QString, QPixmap> m_pixmaps; // one of each picture per pixel ratio
};

} // namespace toolkit
