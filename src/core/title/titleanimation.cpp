// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "titleanimation.h"

#include "appinfo.h"
#include "board/ruleerror.h"

#include <QCoreApplication>

#include <array>

void TitleAnimation::arm()
{
    m_running = true;
    if (m_frame > LastFrame)
        m_frame = 0;
}

std::optional<QString> TitleAnimation::nextTitle()
{
    if (m_running) {
        m_step = 1;
    } else {
        m_step = 0;
        m_frame = 0;
    }

    std::optional<QString> title;
    if (m_frame <= LastFrame) {
        title = frameTitle(m_frame);
        if (m_frame == LastFrame)
            m_running = false;
    }

    if (int(m_frame) + m_step > 255)
        throw RuleError(RuleError::Kind::Overflow);
    m_frame = quint8(m_frame + m_step);
    return title;
}

QString TitleAnimation::frameTitle(quint8 frame)
{
    // Frame 0 is the fixed full title, Czech in every language; frames 1 to 6 type it out, and
    // frames 7 to 10 are the prefixes of the full title in the user's language.
    static constexpr std::array<const char *, 7> fixedFrames{
        AppInfo::DisplayName, "", "K", "Ka", "Ka ", "Ka l", "Ka lu"};
    // The full title typed out, one letter a frame: the translation's own title, whose first
    // five letters are the fixed frames' "Ka lu".
    static constexpr std::array<const char *, 4> translatedFrames{
        //: The main window's title as it is typed out: its first 6 letters.
        QT_TRANSLATE_NOOP("Board", "Ka lum"),
        //: The main window's title as it is typed out: its first 7 letters.
        QT_TRANSLATE_NOOP("Board", "Ka lumb"),
        //: The main window's title as it is typed out: its first 8 letters.
        QT_TRANSLATE_NOOP("Board", "Ka lumbo"),
        //: The main window's title once typed out, shown for a tenth of a second.
        QT_TRANSLATE_NOOP("Board", "Ka lumbor")};
    if (frame < fixedFrames.size())
        return QString::fromUtf8(fixedFrames[frame]);
    if (frame <= LastFrame)
        return QCoreApplication::translate("Board", translatedFrames[frame - fixedFrames.size()]);
    throw RuleError(RuleError::Kind::SubscriptOutOfRange);
}
