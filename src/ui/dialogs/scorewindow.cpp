// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "scorewindow.h"

#include "colors.h"
#include "design.h"
#include "guard.h"
#include "label.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>

namespace {

using toolkit::ControlKind;
using toolkit::ControlSpec;
using toolkit::FontSpec;
using toolkit::TextColor;
namespace fonts = toolkit::fonts;

constexpr Qt::WindowFlags Frame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                  Qt::WindowCloseButtonHint;

constexpr Qt::Alignment TopLeft = Qt::AlignLeft | Qt::AlignTop;

// From the top of the window down, in twips; none overlaps another, and each keeps its place
// when the window is resized. The rows stand 360 twips apart.
constexpr ControlSpec Controls[] = {
    {"scoreRow0",
     ControlKind::Text,
     {120, 120, 480, 195},
     fonts::WindowText,
     TextColor::White,
     TopLeft,
     nullptr},
    {"scoreRow1",
     ControlKind::Text,
     {120, 480, 480, 195},
     fonts::WindowText,
     TextColor::White,
     TopLeft,
     nullptr},
    {"scoreRow2",
     ControlKind::Text,
     {120, 840, 480, 195},
     fonts::WindowText,
     TextColor::White,
     TopLeft,
     nullptr},
    {"scoreRow3",
     ControlKind::Text,
     {120, 1200, 480, 195},
     fonts::WindowText,
     TextColor::White,
     TopLeft,
     nullptr},
    {"scoreRow4",
     ControlKind::Text,
     {120, 1560, 480, 195},
     fonts::WindowText,
     TextColor::White,
     TopLeft,
     nullptr},
    // Between the table and the name box: why a name was not stored, or the table not saved.
    {"messageLine",
     ControlKind::Text,
     {120, 1800, 4320, 195},
     fonts::WindowText,
     TextColor::Red,
     TopLeft,
     nullptr},
    {"nameBox",
     ControlKind::TextBox,
     {120, 2040, 1335, 300},
     {fonts::SansSerif, 8.25, true},
     TextColor::System,
     TopLeft,
     nullptr},
    {"okButton",
     ControlKind::Button,
     {1560, 2040, 1335, 310},
     fonts::WindowText,
     TextColor::System,
     TopLeft,
     nullptr},
    {"closeLabel",
     ControlKind::FixedText,
     {3480, 2040, 735, 255},
     {fonts::SansSerif, 12, true},
     TextColor::White,
     TopLeft,
     nullptr},
};

// A long name is elided to this many pixels, so that score and date stay in the window.
constexpr int NameWidth = 150;

// "1. Jana  1230  7. 12. 2026": the name isolated, so that a right-to-left name neither
// reorders the numbers around it nor runs into them.
QString rowText(int rank, const ScoreEntry &entry, const QFont &font)
{
    const QString name = QFontMetrics(font).elidedText(entry.name, Qt::ElideRight, NameWidth);
    const QString date =
        QLocale::system().toString(entry.achieved.toLocalTime().date(), QLocale::ShortFormat);
    return QStringLiteral("%1. \u2068%2\u2069  %3  %4")
        .arg(rank)
        .arg(name)
        .arg(entry.score)
        .arg(date);
}

// Why the table is not as the player would expect, if it is not.
QString messageFor(const ScoreKeeper::Answer &answer)
{
    switch (answer.status) {
    case ScoreFile::Status::Unreadable:
        return ScoreWindow::tr("The score file cannot be read; results are not saved to it.");
    case ScoreFile::Status::SetAside:
        return ScoreWindow::tr(
            "The score file was damaged; it was set aside and a new table begins.");
    default:
        break;
    }
    if (answer.unsaved)
        return ScoreWindow::tr("The result could not be saved; OK tries again.");
    // Offered on the table as it was at game over; other copies of the game saved better
    // results before the name came.
    if (answer.request == ScoreKeeper::Request::Add && !answer.kept)
        return ScoreWindow::tr("Other games scored higher meanwhile; this one did not fit.");
    return {};
}

} // namespace

ScoreWindow::ScoreWindow(toolkit::Desktop &desktop, ScoreKeeper &keeper, QWidget *parent)
    : QDialog(parent, Frame), m_desktop(desktop), m_keeper(keeper),
      m_message(messageFor(keeper.latest())) // the answer, if any, that made a game's offer
{
    toolkit::applyDesign(this, {4560, 2550, toolkit::colors::Black, true});
    setMouseTracking(true);
    //: The score window's title.
    setWindowTitle(tr("Score"));
    toolkit::buildControls(this, Controls);

    using toolkit::builtControl;
    using toolkit::Label;
    for (int row = 0; row < Rows; ++row)
        m_rows[std::size_t(row)] = builtControl<Label>(this, Controls[row].name);
    m_messageLine = builtControl<Label>(this, "messageLine");
    m_nameBox = builtControl<QLineEdit>(this, "nameBox");
    m_confirmButton = builtControl<QPushButton>(this, "okButton");
    m_closeLabel = builtControl<Label>(this, "closeLabel");

    //: The hint in the empty name box, and what a screen reader calls the box.
    m_nameBox->setPlaceholderText(tr("Enter your name"));
    m_nameBox->setAccessibleName(m_nameBox->placeholderText());
    //: The button that stores the name.
    m_confirmButton->setText(tr("OK"));
    //: The label that closes the score window.
    m_closeLabel->showText(tr("Close"));
    setTabOrder(m_nameBox, m_confirmButton);

    toolkit::connectGuarded(m_desktop, m_nameBox, &QLineEdit::returnPressed, this,
                            &ScoreWindow::store);
    toolkit::connectGuarded(m_desktop, m_confirmButton, &QPushButton::clicked, this,
                            &ScoreWindow::store);
    toolkit::connectGuarded(m_desktop, m_closeLabel, &Label::pointerMoved, this,
                            &ScoreWindow::lightCloseLabel);
    connect(m_closeLabel, &Label::clicked, this, &ScoreWindow::reject);
    toolkit::connectGuarded(m_desktop, &m_keeper, &ScoreKeeper::answered, this,
                            &ScoreWindow::showAnswer);
}

void ScoreWindow::present()
{
    if (!isVisible()) {
        // Every opening starts from the design: what was typed before went with the window.
        m_closeLabel->setTextColor(toolkit::colors::White);
        showTable(m_keeper.latest().table);
        say(m_message);
        prepareNameBox(m_keeper.latest().lastName);
        m_nameBox->setModified(false);
    }
    show();
    raise(); // shown again while open: the one window comes to the front
    activateWindow();
}

void ScoreWindow::offer(int score, const QDateTime &achieved)
{
    m_offer = Offer{score, achieved};
    if (isVisible())
        prepareNameBox(m_keeper.latest().lastName);
    present();
    m_nameBox->setFocus(Qt::OtherFocusReason);
}

void ScoreWindow::withdrawOffer()
{
    m_offer.reset();
}

void ScoreWindow::done(int result)
{
    withdrawOffer();
    m_message.clear();
    QDialog::done(result);
}

void ScoreWindow::prepareNameBox(const QString &lastName)
{
    // The last name entered here, selected, so that typing replaces it.
    m_nameBox->setText(lastName);
    m_nameBox->selectAll();
}

void ScoreWindow::store()
{
    if (!m_offer) {
        // No finished game waits; results that could not be saved are tried again.
        if (m_keeper.latest().unsaved)
            m_keeper.retry();
        return;
    }
    const QString name = PlayerName::clean(m_nameBox->text());
    if (name.isEmpty()) {
        say(tr("A result needs a name."));
        return;
    }
    const Offer offer = *std::exchange(m_offer, std::nullopt); // one game, stored once
    m_keeper.add({name, offer.score, offer.achieved}, name);
    m_nameBox->setText(name);
}

void ScoreWindow::showAnswer(const ScoreKeeper::Answer &answer)
{
    say(messageFor(answer));
    showTable(answer.table);
    // The name read from the file, unless the player has typed since the window opened.
    if (answer.request == ScoreKeeper::Request::Read && !m_nameBox->isModified())
        prepareNameBox(answer.lastName);
}

void ScoreWindow::showTable(const ScoreTable &table)
{
    const QList<ScoreEntry> &entries = table.entries();
    for (int row = 0; row < Rows; ++row) {
        toolkit::Label *label = m_rows[std::size_t(row)];
        //: A place of the score table that nobody holds yet.
        label->showText(row < entries.size() ? rowText(row + 1, entries[row], label->font())
                                             : tr("–"));
    }
}

void ScoreWindow::say(const QString &message)
{
    m_message = message;
    m_messageLine->showText(message);
}

void ScoreWindow::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over a control arrive here too, when the control lets them through.
    if (!childAt(event->position().toPoint()))
        m_closeLabel->setTextColor(toolkit::colors::White);
    QDialog::mouseMoveEvent(event);
}

void ScoreWindow::lightCloseLabel()
{
    m_closeLabel->setTextColor(toolkit::colors::Red);
}
