// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "design.h"

#include "colors.h"
#include "label.h"
#include "picture.h"
#include "pushbutton.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>

namespace toolkit {

namespace {

QColor colorOf(TextColor color)
{
    switch (color) {
    case TextColor::ButtonText:
        return QGuiApplication::palette().color(QPalette::ButtonText);
    case TextColor::White:
        return colors::White;
    case TextColor::Red:
        return colors::Red;
    case TextColor::System:
        break;
    }
    return {};
}

QWidget *build(const ControlSpec &control, QWidget *window)
{
    const QString text = control.text ? QString::fromUtf8(control.text) : QString();
    switch (control.kind) {
    case ControlKind::Text:
    case ControlKind::FixedText:
    case ControlKind::Decoration:
    case ControlKind::Command:
    case ControlKind::Cover: {
        const bool autoSize =
            control.kind == ControlKind::Text || control.kind == ControlKind::Command;
        auto *label = new Label(control.place, autoSize, window);
        label->setFont(fonts::font(control.font));
        label->setAlignment(control.alignment);
        label->setTextColor(colorOf(control.color));
        label->setActsAsCommand(control.kind == ControlKind::Command);
        label->setDecorative(control.kind == ControlKind::Decoration);
        if (control.kind == ControlKind::Cover) {
            label->setAttribute(Qt::WA_TranslucentBackground, false);
            label->setAttribute(Qt::WA_NoSystemBackground, false);
            QPalette colors = label->palette();
            colors.setColor(QPalette::Window, colors::DarkGrey);
            label->setPalette(colors);
            label->setAutoFillBackground(true);
        }
        if (!text.isEmpty())
            label->showText(text);
        return label;
    }
    case ControlKind::Picture:
        return new Picture(control.place, window);
    case ControlKind::Button: {
        auto *button = new PushButton(window);
        button->setGeometry(twips::toPixels(control.place));
        button->setFont(fonts::font(control.font));
        button->setText(text);
        return button;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(text, window);
        box->setGeometry(twips::toPixels(control.place));
        box->setFont(fonts::font(control.font));
        return box;
    }
    }
    Q_UNREACHABLE();
}

// Keeps a window's title bar, close box included, on its screen's available area where the
// window system first places it: a window taller than the screen (the help window at 200 % on
// a low screen) would otherwise open with its title bar above the top, out of reach. Once
// placed, the window goes where the user moves it.
class TitleBarOnScreen : public QObject {
public:
    explicit TitleBarOnScreen(QWidget *window) : QObject(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        switch (event->type()) {
        case QEvent::Show:
            m_placed = false;
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
            // Placed once the window system has put its frame round it.
            if (!m_placed && window->frameGeometry() != window->geometry()) {
                m_placed = true;
                bringTitleBarOnScreen(window);
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void bringTitleBarOnScreen(QWidget *window)
    {
        const QRect available = window->screen()->availableGeometry();
        const QRect frame = window->frameGeometry();
        // Where the screen is not known (Qt's stand-in screen of no size, after a change of the
        // screen's size left its output without a mode), or the window manager put the window
        // on another one, its placement stands.
        if (!available.intersects(frame))
            return;
        // Inside where it fits; where it does not, its top left corner first.
        const QPoint place(
            std::clamp(frame.left(), available.left(),
                       std::max(available.left(), available.right() + 1 - frame.width())),
            std::clamp(frame.top(), available.top(),
                       std::max(available.top(), available.bottom() + 1 - frame.height())));
        if (place != frame.topLeft())
            window->move(place);
    }

    bool m_placed = false;
};

} // namespace

void applyDesign(QWidget *window, const WindowSpec &design)
{
    window->installEventFilter(new TitleBarOnScreen(window));
    window->setFont(fonts::font(fonts::WindowText));
    QPalette colors = window->palette();
    colors.setColor(QPalette::Window, design.background);
    window->setPalette(colors);
    window->setAutoFillBackground(true);
    const QSize client(twips::toPixels(design.width), twips::toPixels(design.height));
    if (design.resizable)
        window->resize(client);
    else
        window->setFixedSize(client);
}

void buildControls(QWidget *window, std::span<const ControlSpec> controls)
{
    for (const ControlSpec &control : controls)
        build(control, window)->setObjectName(QLatin1String(control.name));
}

} // namespace toolkit
