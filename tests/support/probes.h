// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"
#include "title/titleanimation.h"

// What the tests read of the state behind the rules, which the program itself never asks.
struct BoardProbe {
    static quint8 lastClicked(const Board &board) { return board.m_lastClicked; }
};
struct TitleProbe {
    static bool isRunning(const TitleAnimation &title) { return title.m_running; }
    static quint8 frame(const TitleAnimation &title) { return title.m_frame; }
    static quint8 step(const TitleAnimation &title) { return title.m_step; }
};
