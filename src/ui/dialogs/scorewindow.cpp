// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "scorewindow.h"

#include "colors.h"
#include "design.h"
#include "guard.h"
#include "label.h"
#include "scorerow.h"
#include "twips.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace {

using toolkit::ControlKind;
using toolkit::ControlName;
using toolkit::ControlSpec;
using toolkit::Label;
using toolkit::TextColor;
using toolkit::TopLeft;
namespace fonts = toolkit::fonts;

constexpr ControlName<QLineEdit> NameBox{"nameBox"};
constexpr ControlName<QPushButton> OkButton{"okButton"};
constexpr ControlName<Label> CloseLabel{"closeLabel"};
constexpr ControlName<Label> MessageLine{"messageLine"};

// From the top of the window down, in twips; none overlaps another, and each keeps its place
// when the window is resized. The table's five rows stand above these, 360 twips apart.
constexpr ControlSpec Controls[] = {
    {NameBox.name,
     ControlKind::TextBox,
     {120, 2040, 1335, 300},
     {fonts::SansSerif, 8.25, true},
     TextColor::System,
     TopLeft,
     nullptr},
    {OkButton.name,
     ControlKind::Button,
     {1560, 2040, 1335, 310},
     fonts::WindowText,
     TextColor::System,
     TopLeft,
     nullptr},
    {CloseLabel.name,
     ControlKind::FixedText,
     {3480, 2040, 735, 255},
     {fonts::SansSerif, 12, true},
     TextColor::White,
     TopLeft,
     nullptr},
    // Under the name box, why a name was not stored or the table not saved: as many lines as
    // it takes, the window growing to show them.
    {MessageLine.name,
     ControlKind::FixedText,
     {120, 2430, 4320, 195},
     fonts::WindowText,
     TextColor::Red,
     TopLeft,
     nullptr},
};
constexpr toolkit::TwipRect FirstRow{120, 120, 4320, 195};
constexpr float RowPitch = 360;
constexpr float BottomMargin = 120;

// Why the table is not as the player would expect, if it is not; `naming` while the window
// offers a row to name, whose OK tries again what could not be saved.
QString messageFor(const ScoreKeeper::Answer &answer, bool naming)
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
    if (answer.unsaved && naming)
        return ScoreWindow::tr("The result could not be saved; OK tries again.");
    if (answer.unsaved)
        return ScoreWindow::tr(
            "The result could not be saved; it is tried again each time this window opens.");
    // Stored on the table as it was read at game over; other copies of the game saved better
    // results before it was written, or before it was renamed.
    if (!answer.kept)
        return ScoreWindow::tr(
            "Other games scored as high or higher meanwhile; this one did not fit.");
    return {};
}

} // namespace

ScoreWindow::ScoreWindow(toolkit::Desktop &desktop, ScoreKeeper &keeper, QWidget *parent)
    : QDialog(parent, toolkit::frames::ResizableDialog), m_desktop(desktop), m_keeper(keeper),
      m_message(messageFor(keeper.latest(), false)) // the answer, if any, that opened it
{
    m_desktop.translateQtTexts(); // the name box's menu
    toolkit::applyDesign(this, {4560, 2550, toolkit::colors::Black, true});
    setMinimumSize(size()); // no smaller than designed: every control shows whole
    m_designHeight = height();
    setMouseTracking(true);
    //: The score window's title.
    setWindowTitle(tr("Score"));
    toolkit::buildControls(this, Controls);

    for (int row = 0; row < Rows; ++row) {
        // Dates as the user's locale writes them.
        auto *scoreRow = new ScoreRow(row + 1, QLocale::system(), this);
        scoreRow->setObjectName(QStringLiteral("scoreRow%1").arg(row));
        toolkit::TwipRect place = FirstRow;
        place.top += RowPitch * float(row);
        scoreRow->setGeometry(toolkit::twips::toPixels(place));
        scoreRow->setFont(toolkit::fonts::font(fonts::WindowText));
        QPalette colors = scoreRow->palette();
        colors.setColor(QPalette::WindowText, toolkit::colors::White);
        scoreRow->setPalette(colors);
        m_rows[std::size_t(row)] = scoreRow;
    }
    using toolkit::builtControl;
    m_messageLine = builtControl(this, MessageLine);
    m_nameBox = builtControl(this, NameBox);
    m_confirmButton = builtControl(this, OkButton);
    m_closeLabel = builtControl(this, CloseLabel);

    //: The hint in the empty name box, and what a screen reader calls the box. It must fit the
    //: box, which is short.
    m_nameBox->setPlaceholderText(tr("Your name"));
    m_nameBox->setAccessibleName(m_nameBox->placeholderText());
    //: The button that stores the name.
    m_confirmButton->setText(tr("OK"));
    //: The label that closes the score window.
    m_closeLabel->showText(tr("Close"));
    setTabOrder(m_nameBox, m_confirmButton);

    toolkit::connectGuarded(m_desktop, m_nameBox, &QLineEdit::returnPressed, this,
                            &ScoreWindow::rename);
    toolkit::connectGuarded(m_desktop, m_confirmButton, &QPushButton::clicked, this,
                            &ScoreWindow::rename);
    toolkit::connectGuarded(m_desktop, m_closeLabel, &Label::pointerMoved, this,
                            &ScoreWindow::lightCloseLabel);
    toolkit::connectGuarded(m_desktop, m_closeLabel, &Label::clicked, this, [this] { reject(); });
    toolkit::connectGuarded(m_desktop, &m_keeper, &ScoreKeeper::answered, this,
                            &ScoreWindow::showAnswer);
}

void ScoreWindow::present()
{
    if (!isVisible()) {
        // Every opening starts from the design.
        m_closeLabel->setTextColor(toolkit::colors::White);
        showTable(m_keeper.latest().table);
        say(m_message);
        showNameBox();
    }
    show();
    raise(); // shown again while open: the one window comes to the front
    activateWindow();
}

void ScoreWindow::offer(const ScoreEntry &entry)
{
    m_naming = entry;
    m_message = messageFor(m_keeper.latest(), true);
    if (isVisible()) {
        showTable(m_keeper.latest().table);
        say(m_message);
        showNameBox();
    }
    present();
    m_nameBox->setFocus(Qt::OtherFocusReason);
}

void ScoreWindow::done(int result)
{
    m_naming.reset();
    m_message.clear();
    QDialog::done(result);
}

void ScoreWindow::showNameBox()
{
    // Only a row stored in this opening can be named; its name is selected, so that typing
    // replaces it. Otherwise the box is empty and shows its hint, and OK does nothing.
    m_nameBox->setEnabled(m_naming.has_value());
    m_confirmButton->setEnabled(m_naming.has_value());
    m_nameBox->setText(m_naming ? m_naming->name : QString());
    m_nameBox->selectAll();
}

void ScoreWindow::rename()
{
    if (!m_naming)
        return;
    const QString name = PlayerName::clean(m_nameBox->text());
    if (name.isEmpty()) {
        say(tr("A result needs a name."));
        return;
    }
    m_keeper.rename(*m_naming, name);
    m_naming->name = name;
    m_nameBox->setText(name);
}

void ScoreWindow::showAnswer(const ScoreKeeper::Answer &answer)
{
    // A row that other copies of the game pushed out of the table has nothing left to name.
    if (m_naming && !answer.table.find(m_naming->id)) {
        m_naming.reset();
        showNameBox();
    }
    say(messageFor(answer, m_naming.has_value()));
    showTable(answer.table);
}

void ScoreWindow::showTable(const ScoreTable &table)
{
    const QList<ScoreEntry> &entries = table.entries();
    for (int row = 0; row < Rows; ++row) {
        ScoreRow *scoreRow = m_rows[std::size_t(row)];
        const ScoreEntry *entry = row < entries.size() ? &entries[row] : nullptr;
        scoreRow->showEntry(entry);
        // The row this opening stored stands out until the window closes.
        const bool marked = entry && m_naming && entry->id == m_naming->id;
        QPalette colors = scoreRow->palette();
        colors.setColor(QPalette::WindowText,
                        marked ? toolkit::colors::Red : toolkit::colors::White);
        scoreRow->setPalette(colors);
    }
}

void ScoreWindow::say(const QString &message)
{
    m_message = message;
    m_messageLine->showText(message);
    m_messageLine->setVisible(!message.isEmpty());
    // The window is never lower than the message needs, nor than designed; a window at its
    // lowest follows the message's height, as it comes and as it goes.
    int needed = m_designHeight;
    if (!message.isEmpty()) {
        const int lines = std::max(m_messageLine->heightForWidth(m_messageLine->width()),
                                   m_messageLine->fontMetrics().height());
        m_messageLine->resize(m_messageLine->width(), lines);
        needed = std::max(needed, m_messageLine->geometry().bottom() + 1 +
                                      toolkit::twips::toPixels(BottomMargin));
    }
    const bool atLowest = height() <= minimumHeight();
    setMinimumHeight(needed);
    if (atLowest || height() < needed)
        resize(width(), needed);
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
