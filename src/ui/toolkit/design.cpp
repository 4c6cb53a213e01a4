// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "design.h"

#include "colors.h"
#include "label.h"
#include "picture.h"
#include "pushbutton.h"

#include <QGuiApplication>
#include <QLineEdit>

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
    case ControlKind::Command: {
        auto *label = new Label(control.place, control.kind != ControlKind::FixedText, window);
        label->setFont(fonts::font(control.font));
        label->setAlignment(control.alignment);
        label->setTextColor(colorOf(control.color));
        label->setActsAsCommand(control.kind == ControlKind::Command);
        if (!text.isEmpty())
            label->showText(text);
        return label;
    }
    case ControlKind::Picture:
        return new Picture(control.place.left, control.place.top, window);
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

} // namespace

void applyDesign(QWidget *window, const WindowSpec &design)
{
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
