// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "straykeys.h"

#include "gridkeys.h"

#include <QKeyEvent>
#include <QTimer>

namespace toolkit {

StrayKeys::StrayKeys(QObject *parent) : QObject(parent), m_quietTimer(new QTimer(this))
{
    m_quietTimer->setObjectName(QStringLiteral("strayKeysTimer"));
    m_quietTimer->setSingleShot(true);
    m_quietTimer->setInterval(QuietTime);
    connect(m_quietTimer, &QTimer::timeout, this, [this] { m_quiet = true; });
}

void StrayKeys::arm()
{
    m_quiet = false;
    m_typing.clear();
    m_quietTimer->start();
}

bool StrayKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::InputMethod)
        return !m_quiet;
    // Keys are judged once, where they reach the window.
    if (!watched->isWindowType() ||
        (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const quint32 id = key->nativeScanCode() != 0 ? key->nativeScanCode() : quint32(key->key());
    if (event->type() == QEvent::KeyRelease) {
        m_releasedKey = id;
        m_releasedAt = key->timestamp();
        return QObject::eventFilter(watched, event);
    }
    const bool repeated =
        key->isAutoRepeat() ||
        (id == m_releasedKey && key->timestamp() == m_releasedAt && key->timestamp() != 0);
    if (repeated)
        return !m_typing.contains(id);
    if (GridKeys::placeOf(*key) >= 0 && !m_quiet)
        m_quietTimer->start(); // still playing
    if (!m_quiet) {
        m_typing.remove(id);
        return true;
    }
    m_typing.insert(id);
    return QObject::eventFilter(watched, event);
}

} // namespace toolkit
