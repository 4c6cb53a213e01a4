#include "scorewindow.h"

#include "button.h"
#include "colors.h"
#include "fonts.h"
#include "handlers.h"
#include "label.h"
#include "text/stringtable.h"
#include "twips.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QLocale>

namespace {

// The rows stand this far apart.
constexpr float RowPitch = 360;
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
        return loadText(TextId::FileUnreadable);
    case ScoreFile::Status::SetAside:
        return loadText(TextId::FileSetAside);
    default:
        break;
    }
    if (answer.unsaved)
        return loadText(TextId::NotSaved);
    // Offered on the table as it was at game over; other copies of the game saved better
    // results before the name came.
    if (answer.request == ScoreKeeper::Request::Add && !answer.kept)
        return loadText(TextId::Outscored);
    return {};
}

} // namespace

ScoreWindow::ScoreWindow(ScoreKeeper &keeper, QWidget *owner)
    : Window(Frame::Sizable, 4560, 2550, Qt::black, owner), m_keeper(keeper),
      m_message(messageFor(keeper.latest())) // the answer, if any, that made a game's offer
{
    closeOnEscape();
    setWindowTitle(loadText(TextId::ScoreTitle));
    Handlers::connect(&m_keeper, &ScoreKeeper::answered, this, &ScoreWindow::showAnswer);
    connect(this, &Window::unloaded, this, [this] { m_message.clear(); });
}

void ScoreWindow::buildControls(QWidget *surface)
{
    const LabelStyle rowStyle{Fonts::formDefault(), Colors::White, true,
                              Qt::AlignLeft | Qt::AlignTop};
    for (int row = 0; row < Rows; ++row) {
        m_rows[std::size_t(row)] =
            new Label(surface, QString(), rowStyle, 120, 120 + RowPitch * float(row), 480, 195);
        m_rows[std::size_t(row)]->setObjectName(QStringLiteral("scoreRow%1").arg(row));
    }
    // Between the table and the name box: why a name was not stored, or the table not saved.
    m_messageLine = new Label(surface, QString(), rowStyle, 120, 1800, 4320, 195);
    m_messageLine->setObjectName(QStringLiteral("messageLine"));
    m_messageLine->setTextColor(Colors::Red);

    m_nameBox = new QLineEdit(surface);
    m_nameBox->setObjectName(QStringLiteral("nameBox"));
    m_nameBox->setGeometry(Twips::rect(120, 2040, 1335, 300));
    m_nameBox->setFont(Fonts::design(Fonts::SansSerif, 8.25, true));
    m_nameBox->setAccessibleName(loadText(TextId::EnterName));
    Handlers::connect(m_nameBox, &QLineEdit::returnPressed, this, &ScoreWindow::store);

    m_confirmButton = new Button(surface, 0, QString(), 1560, 2040, 1335, 310);
    m_confirmButton->setObjectName(QStringLiteral("okButton"));
    Handlers::connect(m_confirmButton, &Button::clicked, this, &ScoreWindow::store);
    setTabOrder(m_nameBox, m_confirmButton);

    m_closeLabel = new Label(surface, QString(),
                             {Fonts::design(Fonts::SansSerif, 12, true), Colors::White, false,
                              Qt::AlignLeft | Qt::AlignTop},
                             3480, 2040, 735, 255);
    m_closeLabel->setObjectName(QStringLiteral("closeLabel"));
    Handlers::connect(m_closeLabel, &Label::pointerMoved, this, &ScoreWindow::lightCloseLabel);
    Handlers::connect(m_closeLabel, &Label::clicked, this, &ScoreWindow::closeWindow);
}

void ScoreWindow::onLoad()
{
    setWindowTitle(loadText(TextId::ScoreTitle));
    m_nameBox->setPlaceholderText(loadText(TextId::EnterName));
    m_confirmButton->setText(loadText(TextId::Confirm));
    m_closeLabel->setCaption(loadText(TextId::Close));

    showTable(m_keeper.latest().table);
    say(m_message);
    prepareNameBox(m_keeper.latest().lastName);
}

void ScoreWindow::offer(int score, const QDateTime &achieved)
{
    m_offer = Offer{score, achieved};
    if (isLoaded())
        prepareNameBox(m_keeper.latest().lastName);
    showModeless();
    m_nameBox->setFocus(Qt::OtherFocusReason);
}

void ScoreWindow::withdrawOffer()
{
    m_offer.reset();
}

void ScoreWindow::onClose()
{
    withdrawOffer();
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
        say(loadText(TextId::EmptyName));
        return;
    }
    const Offer offer = *std::exchange(m_offer, std::nullopt); // one game, stored once
    m_keeper.add({name, offer.score, offer.achieved}, name);
    m_nameBox->setText(name);
}

void ScoreWindow::showAnswer(const ScoreKeeper::Answer &answer)
{
    say(messageFor(answer));
    if (!isLoaded())
        return;
    showTable(answer.table);
    // The name read from the file, unless the player has typed since the window opened.
    if (answer.request == ScoreKeeper::Request::Read && !m_nameBox->isModified())
        prepareNameBox(answer.lastName);
}

void ScoreWindow::showTable(const ScoreTable &table)
{
    const QList<ScoreEntry> &entries = table.entries();
    for (int row = 0; row < Rows; ++row) {
        Label *label = m_rows[std::size_t(row)];
        label->setCaption(row < entries.size() ? rowText(row + 1, entries[row], label->font())
                                               : loadText(TextId::NoResult));
    }
}

void ScoreWindow::say(const QString &message)
{
    m_message = message;
    if (isLoaded())
        m_messageLine->setCaption(message);
}

void ScoreWindow::onBareSurfaceMouseMove()
{
    m_closeLabel->setTextColor(Colors::White);
}

void ScoreWindow::lightCloseLabel()
{
    m_closeLabel->setTextColor(Colors::Red);
}

void ScoreWindow::closeWindow()
{
    withdrawOffer();
    unload();
}
