// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "fonts.h"
#include "twips.h"

#include <QColor>
#include <QWidget>

#include <span>
#include <stdexcept>
#include <string>

// Windows described as data: the window's client area and each of its controls, in the design's
// units (twips), fonts and colours, so that a reader can hold them against the design.
namespace toolkit {

enum class ControlKind {
    Text,       // a transparent label that takes the size of its text
    FixedText,  // a transparent label of its design size; a longer text wraps inside
    Decoration, // a fixed text drawn for its look alone: screen readers never see it
    Command,    // a text that acts as a push button: clicked, and read as one by screen readers
    Cover,      // a dark panel of its design size in front of what it hides, its text centred
                // and wrapped inside; it takes the clicks there
    Picture,    // a picture at its own size; the design's size is the picture's
    Button,     // a push button, pressed by a click, Space or Enter
    TextBox,    // a single-line text box
};

enum class TextColor {
    System,     // the system's colours, as buttons and text boxes have them
    ButtonText, // the system's text colour on buttons, dark in the usual schemes
    White,
    Red,
};

// Where most of the designs' texts stand in their boxes.
inline constexpr Qt::Alignment TopLeft = Qt::AlignLeft | Qt::AlignTop;

// A control of a window's design, by the name its table gives it and the type it is built as.
// The table and the code that uses the control both name it through this handle.
template <typename T> struct ControlName {
    const char *name;
};

// One control of a window. Windows list them from the back to the front: each is built in
// front of those before it.
struct ControlSpec {
    const char *name;
    ControlKind kind;
    TwipRect place;
    FontSpec font;
    TextColor color;
    Qt::Alignment alignment;
    const char *text; // the design's own text in UTF-8, or nullptr where the window sets it
};

// The frames the windows are designed with.
namespace frames {

// Fixed in size: a title bar with the system menu and a close box, and a place in the taskbar.
inline constexpr Qt::WindowFlags Fixed = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint;
// A tool window, fixed in size: a thin frame and a small title bar with a close box only, and
// no place in the taskbar.
inline constexpr Qt::WindowFlags FixedTool =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
// The ordinary resizable frame with its minimize, maximize and close boxes. Qt tells X11 window
// managers whose window a window is only for dialogs and tool windows, hence a dialog.
inline constexpr Qt::WindowFlags ResizableDialog =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;

} // namespace frames

// A window's client area.
struct WindowSpec {
    float width; // twips
    float height;
    QColor background;
    bool resizable;
};

// Gives `window` the client area of `design`, fixed in size unless it is resizable, and keeps
// its title bar on the screen where the window system first places it.
void applyDesign(QWidget *window, const WindowSpec &design);

// Builds `controls` on `window`, in their order.
void buildControls(QWidget *window, std::span<const ControlSpec> controls);

// The control that buildControls() made on `window` for `control`. One that is missing or of
// another type is a fault of the program, raised as an error when the window is built.
template <typename T> T *builtControl(const QWidget *window, ControlName<T> control)
{
    if (T *found = window->findChild<T *>(QLatin1String(control.name), Qt::FindDirectChildrenOnly))
        return found;
    throw std::logic_error(std::string("No control ") + control.name + " of the expected type");
}

} // namespace toolkit
