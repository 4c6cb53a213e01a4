#include "pictures.h"

namespace Pictures {

QIcon applicationIcon()
{
    QIcon icon(QStringLiteral(":/pictures/icon.ico"));
    for (int size : {16, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pictures/icons/hicolor/%1x%1/apps/org.example.kaludnik.png")
                         .arg(size),
                     QSize(size, size));
    return icon;
}

} // namespace Pictures
