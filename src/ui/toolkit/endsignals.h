// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace toolkit {

// SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C) as a request to end that
// arrives through the event loop, like any other, instead of ending the process where it
// stands. One for the whole run; while it lives, those signals no longer end the process.
class EndSignals : public QObject {
    Q_OBJECT

public:
    explicit EndSignals(QObject *parent = nullptr);
    ~EndSignals() override;

Q_SIGNALS:
    void arrived();

private:
    int m_readEnd = -1;
};

} // namespace toolkit
