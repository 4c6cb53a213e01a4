#include "pictures.h"

#include <QGuiApplication>

namespace Pictures {

QIcon applicationIcon()
{
    // Built once: an icon reads its files when it is made, and four windows ask for it. The
    // larger drawing is read only where a scaled screen can use it.
    static const QIcon icon = [] {
        QIcon drawn(QStringLiteral(":/pictures/icon.ico"));
        if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0)
            drawn.addFile(
                QStringLiteral(":/pictures/icons/hicolor/64x64/apps/org.example.kaludnik.png"),
                QSize(64, 64));
        return drawn;
    }();
    return icon;
}

} // namespace Pictures
