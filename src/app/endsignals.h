// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C) as a request to end that
// arrives through the event loop, like any other, instead of ending the process where it
// stands. One for the whole run; while it lives, those signals no longer end the process,
// however often they come, and one that was ignored when the program started stays ignored.
// Where the event loop does not answer within DeadlineSeconds of the first, the process ends
// with a line on stderr and the fatal status. Once it is gone the program is ending: the
// signals are ignored.
class EndSignals : public QObject {
    Q_OBJECT

public:
    // Room for the last saves (ScoreKeeper::FinishWait), and a little more.
    static constexpr unsigned DeadlineSeconds = 5;

    explicit EndSignals(QObject *parent = nullptr);
    ~EndSignals() override;

Q_SIGNALS:
    void arrived();

private:
    int m_readEnd = -1;
};
