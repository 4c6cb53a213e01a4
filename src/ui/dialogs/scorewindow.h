#pragma once

#include "scores/scorekeeper.h"
#include "window.h"

#include <QDateTime>

#include <array>
#include <optional>

class Button;
class Label;
class QLineEdit;

// The score window: the five best results, and a box for the name of a player whose game
// has just made the table. Modeless: the game goes on while it is open. Its close label turns
// red under the pointer, white off it, and closes the window when clicked.
class ScoreWindow : public Window {
    Q_OBJECT

public:
    static constexpr int Rows = 5;

    // The table comes from `keeper`: the window shows each of its answers as it comes, and
    // never waits for one.
    ScoreWindow(ScoreKeeper &keeper, QWidget *owner = nullptr);

    // A game that ended with `score` at `achieved` made the table: opens the window with the
    // name box ready. The offer holds until the name is stored, a new game starts, or the
    // window closes.
    void offer(int score, const QDateTime &achieved);
    void withdrawOffer();

protected:
    void buildControls(QWidget *surface) override;
    void onLoad() override;
    void onClose() override;
    void onBareSurfaceMouseMove() override;

private:
    struct Offer {
        int score;
        QDateTime achieved;
    };

    void store();
    void lightCloseLabel();
    void closeWindow();
    void showAnswer(const ScoreKeeper::Answer &answer);
    void showTable(const ScoreTable &table);
    void prepareNameBox(const QString &lastName);
    void say(const QString &message);

    ScoreKeeper &m_keeper;
    std::optional<Offer> m_offer;
    // What the message line says; an answer that comes while the window is closed leaves it
    // for the next opening, and closing the window drops it.
    QString m_message;

    // Controls, valid while loaded.
    std::array<Label *, Rows> m_rows{};
    Label *m_messageLine = nullptr;
    QLineEdit *m_nameBox = nullptr;
    Button *m_confirmButton = nullptr;
    Label *m_closeLabel = nullptr;
};
