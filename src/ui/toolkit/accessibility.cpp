// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "label.h"
#include "picture.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace toolkit {

namespace {

// A label reads as static text, or, when it acts as a command, as a push button whose press
// action is its click. Decided on every question, as the interface outlives later changes.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        return label()->actsAsCommand() ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(type);
    }

    // A label that something in front covers takes no clicks, so it cannot be pressed either.
    // A decorative one is not there for a screen reader at all.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (label()->actsAsCommand() && label()->isCovered())
            state.disabled = true;
        if (label()->isDecorative())
            state.invisible = true;
        return state;
    }

    QStringList actionNames() const override
    {
        return label()->actsAsCommand() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && label()->actsAsCommand() && !label()->isCovered())
            Q_EMIT label()->clicked();
    }

private:
    Label *label() const { return static_cast<Label *>(widget()); }
};

// A picture is there for its look alone (the background, the dark screen over covered commands,
// the about window's icon): a screen reader has nothing to read in it, so it does not see it.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(Picture *picture) : QAccessibleWidget(picture, QAccessible::Graphic)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("toolkit::Label"))
        return new LabelAccessible(static_cast<Label *>(object));
    if (className == QLatin1String("toolkit::Picture"))
        return new PictureAccessible(static_cast<Picture *>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(factory);
}

} // namespace toolkit
