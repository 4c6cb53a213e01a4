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

QWidget *build(const ControlSpec &spec, QWidget *window)
{
    const QString text = spec.text ? QString::fromUtf8(spec.text) : QString();
    switch (spec.kind) {
    case ControlKind::Text:
    case ControlKind::FixedText:
    case ControlKind::Command: {
        auto *label = new Label(spec.place, spec.kind != ControlKind::FixedText, window);
        label->setFont(fonts::font(spec.font));
        label->setAlignment(spec.alignment);
        label->setTextColor(colorOf(spec.color));
        label->setActsAsCommand(spec.kind == ControlKind::Command);
        if (!text.isEmpty())
            label->showText(text);
        return label;
    }
    case ControlKind::Picture:
        return new Picture(spec.place.left, spec.place.top, window);
    case ControlKind::Button: {
        auto *button = new PushButton(window);
        button->setGeometry(twips::toPixels(spec.place));
        button->setFont(fonts::font(spec.font));
        button->setText(text);
        return button;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(text, window);
        box->setGeometry(twips::toPixels(spec.place));
        box->setFont(fonts::font(spec.font));
        return box;
    }
    }
    Q_UNREACHABLE();
}

} // namespace

void applyDesign(QWidget *window, const WindowSpec &spec)
{
    window->setFont(fonts::font(fonts::WindowText));
    QPalette colors = window->palette();
    colors.setColor(QPalette::Window, spec.background);
    window->setPalette(colors);
    window->setAutoFillBackground(true);
    const QSize client(twips::toPixels(spec.width), twips::toPixels(spec.height));
    if (spec.resizable)
        window->resize(client);
    else
        window->setFixedSize(client);
}

void buildControls(QWidget *window, std::span<const ControlSpec> controls)
{
    for (const ControlSpec &spec : controls)
        build(spec, window)->setObjectName(QLatin1String(spec.name));
}

} // namespace toolkit
