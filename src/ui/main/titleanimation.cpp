#include "titleanimation.h"

#include "board/ruleerror.h"
#include "text/stringtable.h"

void TitleAnimation::Arm()
{
    m_running = -1;
    if (m_frame > LastFrame)
        m_frame = 0;
}

std::optional<QString> TitleAnimation::NextTitle()
{
    if (m_running == -1) {
        m_step = 1;
    } else {
        m_step = 0;
        m_frame = 0;
    }

    std::optional<QString> title;
    if (m_frame <= LastFrame) {
        title = frameTitle(m_frame);
        if (m_frame == LastFrame)
            m_running = 0;
    }

    if (int(m_frame) + m_step > 255)
        throw RuleError(RuleError::Kind::Overflow);
    m_frame = quint8(m_frame + m_step);
    return title;
}

QString TitleAnimation::frameTitle(quint8 frame)
{
    // Frame 0 is the fixed full title, Czech in both languages; frames 7 to 10 are the
    // prefixes of the full title in the user's language.
    static const char *const fixedFrames[] = {"Ka ludnik", "", "K", "Ka", "Ka ", "Ka l", "Ka lu"};
    if (frame <= 6)
        return QString::fromLatin1(fixedFrames[frame]);
    if (frame <= LastFrame)
        return LoadText(quint16(1008 + frame - 7));
    throw RuleError(RuleError::Kind::SubscriptOutOfRange);
}
