// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "scorewindow.h"

#include "colors.h"
#include "design.h"
#include "guard.h"
#include "label.h"
#include "recordplot.h"
#include "scorerow.h"
#include "straykeys.h"
#include "twips.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBoundaryFinder>
#include <QWindow>

namespace {

using toolkit::ControlKind;
using toolkit::ControlName;
using toolkit::ControlSpec;
using toolkit::Label;
using toolkit::TextColor;
using toolkit::TopLeft;
namespace fonts = toolkit::fonts;

constexpr ControlName<Label> NameLabel{"nameLabel"};
constexpr ControlName<QLineEdit> NameBox{"nameBox"};
constexpr ControlName<QPushButton> SaveNameButton{"saveNameButton"};
constexpr ControlName<Label> CloseCommand{"closeCommand"};
constexpr ControlName<Label> ResultLine{"resultLine"};
constexpr ControlName<Label> MessageLine{"messageLine"};
constexpr ControlName<Label> RecordLine{"recordLine"};

constexpr toolkit::FontSpec BoldSmall{fonts::SansSerif, 8.25, true};
// Where the lines under the name box begin.
constexpr float LinesTop = 2430;

// From the top of the window down, in twips; none overlaps another, and each keeps its place
// when the window is resized. The table's five rows stand above these, 360 twips apart.
constexpr ControlSpec Controls[] = {
    // Over its box, clear of the table's last row.
    {NameLabel.name,
     ControlKind::Text,
     {120, 1845, 600, 195},
     fonts::WindowText,
     TextColor::White,
     TopLeft,
     nullptr},
    {NameBox.name,
     ControlKind::TextBox,
     {120, 2040, 1335, 300},
     BoldSmall,
     TextColor::System,
     TopLeft,
     nullptr},
    {SaveNameButton.name,
     ControlKind::Button,
     {1560, 2040, 1335, 310},
     fonts::WindowText,
     TextColor::System,
     TopLeft,
     nullptr},
    {CloseCommand.name,
     ControlKind::Command,
     {3480, 2040, 735, 255},
     {fonts::SansSerif, 12, true},
     TextColor::White,
     TopLeft,
     nullptr},
    // Under the name box, one under the other where both show, as many lines each as it
    // takes, the window growing to show them: the score and place of the game just stored,
    // and why a name was not stored or the table not saved.
    {ResultLine.name,
     ControlKind::FixedText,
     {120, LinesTop, 4320, 195},
     BoldSmall,
     TextColor::White,
     TopLeft,
     nullptr},
    {MessageLine.name,
     ControlKind::FixedText,
     {120, LinesTop, 4320, 195},
     fonts::WindowText,
     TextColor::Red,
     TopLeft,
     nullptr},
    // Under them, the record of every game: what it counts, in words, and a plot of the last
    // games under that.
    {RecordLine.name,
     ControlKind::FixedText,
     {120, LinesTop, 4320, 195},
     fonts::WindowText,
     TextColor::White,
     TopLeft,
     nullptr},
};
constexpr toolkit::TwipRect FirstRow{120, 120, 4320, 195};
constexpr float RowPitch = 360;
constexpr float LineGap = 105;
constexpr float BottomMargin = 120;
constexpr float PlotHeight = 1200;

// The places of the table, as the line under the name box names them.
constexpr const char *Places[ScoreWindow::Rows] = {
    //: The place of the game just stored, in the line "%1 points — %2".
    QT_TRANSLATE_NOOP("ScoreWindow", "1st place"), QT_TRANSLATE_NOOP("ScoreWindow", "2nd place"),
    QT_TRANSLATE_NOOP("ScoreWindow", "3rd place"), QT_TRANSLATE_NOOP("ScoreWindow", "4th place"),
    QT_TRANSLATE_NOOP("ScoreWindow", "5th place"),
};

// Why the table is not as the player would expect, if it is not; `naming` while the window
// offers a row to name, whose save button tries again what could not be saved.
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
        //: "Save name" is the button of the score window that stores the name.
        return ScoreWindow::tr("The result could not be saved; Save name tries again.");
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

// What the record counts, in words; `full`: the table has a fifth place, drawn on the plot.
QString recordText(const RecordSummary &record, bool full)
{
    if (record.games == 0)
        //: In the score window, where the record of every game holds none yet.
        return ScoreWindow::tr("No game counted yet.");
    const QLocale locale;
    const auto whole = [&locale](double value) {
        return ScoreRow::scoreText(qRound(value), locale);
    };
    //: The record of every game, in the score window: %1 how many were played, %2 the best score.
    return ScoreWindow::tr("Games played: %1 · best: %2")
               .arg(locale.toString(record.games), ScoreRow::scoreText(record.best, locale)) +
           QLatin1Char('\n') +
           //: %1 the average score of the last 10 games, %2 that of all games.
           ScoreWindow::tr("Average of the last 10: %1 · of all: %2")
               .arg(whole(record.averageOfLast(10)), whole(record.averageOfAll())) +
           QLatin1Char('\n') +
           //: What the lines of the plot under it are.
           (full ? ScoreWindow::tr("Dotted: average · dashed: 5th place · red: last game")
                 : ScoreWindow::tr("Dotted: average · red: last game"));
}

} // namespace

ScoreWindow::ScoreWindow(toolkit::Desktop &desktop, ScoreKeeper &keeper, QWidget *parent)
    : QDialog(parent, toolkit::frames::ResizableDialog), m_desktop(desktop), m_keeper(keeper),
      m_message(messageFor(keeper.latest(), false)), // the answer, if any, that opened it
      m_strayKeys(new toolkit::StrayKeys(this))
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
        // Dates and numbers as the program's language writes them.
        auto *scoreRow = new ScoreRow(row + 1, QLocale(), this);
        scoreRow->setObjectName(QStringLiteral("scoreRow%1").arg(row));
        toolkit::TwipRect place = FirstRow;
        place.top += RowPitch * float(row);
        scoreRow->setGeometry(toolkit::twips::toPixels(place));
        scoreRow->setFont(toolkit::fonts::font(fonts::WindowText));
        m_rows[std::size_t(row)] = scoreRow;
    }
    using toolkit::builtControl;
    m_resultLine = builtControl(this, ResultLine);
    m_messageLine = builtControl(this, MessageLine);
    m_recordLine = builtControl(this, RecordLine);
    m_recordPlot = new RecordPlot(this);
    m_recordPlot->setObjectName(QStringLiteral("recordPlot"));
    m_recordPlot->setGeometry(
        toolkit::twips::toPixels(toolkit::TwipRect{120, LinesTop, 4320, PlotHeight}));
    m_nameBox = builtControl(this, NameBox);
    m_saveNameButton = builtControl(this, SaveNameButton);
    m_closeCommand = builtControl(this, CloseCommand);

    Label *nameLabel = builtControl(this, NameLabel);
    //: The label over the name box, which screen readers read as the box's name.
    nameLabel->showText(tr("Name:"));
    nameLabel->setBuddy(m_nameBox);
    //: The hint in the empty name box. It must fit the box, which is short.
    m_nameBox->setPlaceholderText(tr("Your name"));
    // Room for any name worth keeping, and no more: a pasted megabyte is cut at once.
    m_nameBox->setMaxLength(PlayerName::MaxTypedLength);
    //: The button that gives the marked row the name in the box; the window stays open.
    m_saveNameButton->setText(tr("Save name"));
    //: The command that closes the score window, keeping the name in the box.
    m_closeCommand->showText(tr("Close"));
    setTabOrder(m_nameBox, m_saveNameButton);
    setTabOrder(m_saveNameButton, m_closeCommand);

    toolkit::connectGuarded(m_desktop, m_nameBox, &QLineEdit::returnPressed, this,
                            &ScoreWindow::saveName);
    toolkit::connectGuarded(m_desktop, m_nameBox, &QLineEdit::textChanged, this,
                            &ScoreWindow::dropACutCharacter);
    toolkit::connectGuarded(m_desktop, m_saveNameButton, &QPushButton::clicked, this,
                            &ScoreWindow::saveName);
    toolkit::connectGuarded(m_desktop, m_closeCommand, &Label::pointerMoved, this,
                            &ScoreWindow::lightCloseCommand);
    toolkit::connectGuarded(m_desktop, m_closeCommand, &Label::clicked, this, [this] { reject(); });
    toolkit::connectGuarded(m_desktop, &m_keeper, &ScoreKeeper::answered, this,
                            &ScoreWindow::showAnswer);
}

void ScoreWindow::present()
{
    if (!isVisible()) {
        // Every opening starts from the design.
        m_closeCommand->setTextColor(toolkit::colors::White);
        showTable(m_keeper.latest());
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
    m_strayKeys->arm();
    if (isVisible()) {
        showTable(m_keeper.latest());
        say(m_message);
        showNameBox();
    }
    present();
    m_nameBox->setFocus(Qt::OtherFocusReason);
}

void ScoreWindow::done(int result)
{
    if (m_naming) {
        const QString name = typedName();
        if (!name.isEmpty() && name != m_naming->name)
            rename(name);
    }
    m_naming.reset();
    m_message.clear();
    QDialog::done(result);
}

void ScoreWindow::showEvent(QShowEvent *event)
{
    // Every key of the window passes its native window first, whichever control has the focus;
    // an input method's text goes to the name box alone.
    windowHandle()->installEventFilter(m_strayKeys);
    m_nameBox->installEventFilter(m_strayKeys);
    QDialog::showEvent(event);
}

void ScoreWindow::showNameBox()
{
    // Only a row stored in this opening can be named; its name is selected, so that typing
    // replaces it. Otherwise the box is empty and shows its hint, and the button does nothing.
    m_nameBox->setEnabled(m_naming.has_value());
    m_saveNameButton->setEnabled(m_naming.has_value());
    m_nameBox->setText(m_naming ? m_naming->name : QString());
    m_nameBox->selectAll();
}

void ScoreWindow::saveName()
{
    if (!m_naming)
        return;
    // Asked again with the same name, the save is tried again.
    if (const QString name = typedName(); !name.isEmpty())
        rename(name);
    else
        say(tr("A result needs a name."));
}

void ScoreWindow::dropACutCharacter()
{
    // The box cuts what goes past its room wherever it falls, even inside a character (a
    // surrogate pair, a letter and its accents): a full box loses its last character whole.
    const QString text = m_nameBox->text();
    if (text.size() < m_nameBox->maxLength())
        return;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    characters.toEnd();
    m_nameBox->setText(text.left(characters.toPreviousBoundary()));
}

QString ScoreWindow::typedName() const
{
    const QString name = PlayerName::clean(m_nameBox->text());
    return PlayerName::isBlank(name) ? QString() : name;
}

void ScoreWindow::rename(const QString &name)
{
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
    showTable(answer);
}

void ScoreWindow::showTable(const ScoreKeeper::Answer &answer)
{
    const QList<ScoreEntry> &entries = answer.table.entries();
    QString result;
    for (int row = 0; row < Rows; ++row) {
        const ScoreEntry *entry = row < entries.size() ? &entries[row] : nullptr;
        // The row this opening stored stands out until the window closes.
        const bool stored = entry && m_naming && entry->id == m_naming->id;
        m_rows[std::size_t(row)]->showEntry(entry, stored);
        if (stored)
            //: The line under the name box after a game that made the table: %1 its score,
            //: %2 its place ("1st place").
            result = tr("%1 points — %2")
                         .arg(ScoreRow::scoreText(entry->score, QLocale()), tr(Places[row]));
    }
    m_resultLine->showText(result);
    m_resultLine->setVisible(!result.isEmpty());
    const bool full = entries.size() == ScoreTable::Size;
    m_recordLine->showText(recordText(answer.record, full));
    m_recordPlot->showRecord(answer.record,
                             full ? std::optional<int>(entries.last().score) : std::nullopt);
    m_recordPlot->setVisible(answer.record.games > 0);
    fitLines();
}

void ScoreWindow::say(const QString &message)
{
    m_message = message;
    m_messageLine->showText(message);
    m_messageLine->setVisible(!message.isEmpty());
    fitLines();
}

void ScoreWindow::fitLines()
{
    // The window is never lower than its lines need, nor than designed; a window at its
    // lowest follows their height, as they come and as they go.
    int top = toolkit::twips::toPixels(LinesTop);
    int needed = m_designHeight;
    for (QWidget *part :
         {static_cast<QWidget *>(m_resultLine), static_cast<QWidget *>(m_messageLine),
          static_cast<QWidget *>(m_recordLine), static_cast<QWidget *>(m_recordPlot)}) {
        if (part->isHidden())
            continue;
        const int height = part == m_recordPlot ? part->height()
                                                : std::max(part->heightForWidth(part->width()),
                                                           part->fontMetrics().height());
        part->setGeometry(part->x(), top, part->width(), height);
        top = part->geometry().bottom() + 1 + toolkit::twips::toPixels(LineGap);
        needed = std::max(needed,
                          part->geometry().bottom() + 1 + toolkit::twips::toPixels(BottomMargin));
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
        m_closeCommand->setTextColor(toolkit::colors::White);
    QDialog::mouseMoveEvent(event);
}

void ScoreWindow::lightCloseCommand()
{
    m_closeCommand->setTextColor(toolkit::colors::Red);
}
