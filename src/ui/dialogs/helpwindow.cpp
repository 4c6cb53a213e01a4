// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "helpwindow.h"

#include "colors.h"
#include "design.h"
#include "label.h"
#include "picture.h"
#include "pictures.h"

#include <array>

namespace {

using toolkit::ControlKind;
using toolkit::ControlName;
using toolkit::ControlSpec;
using toolkit::Label;
using toolkit::TextColor;
using toolkit::TopLeft;
namespace fonts = toolkit::fonts;

constexpr ControlName<toolkit::Picture> BackgroundPicture{"backgroundPicture"};
constexpr ControlName<Label> RulesText{"rulesText"};
constexpr ControlName<Label> ClosingWish{"closingWish"};
constexpr ControlName<Label> KeysList{"keysList"};
constexpr ControlName<Label> RimUpLeft{"rimUpLeft"};
constexpr ControlName<Label> RimUpRight{"rimUpRight"};
constexpr ControlName<Label> RimDownLeft{"rimDownLeft"};
constexpr ControlName<Label> RimDownRight{"rimDownRight"};

// The rules and their four copies share place and font, so all five wrap into the same lines.
constexpr toolkit::TwipRect Rules{360, 360, 4455, 4575};
constexpr toolkit::FontSpec RulesFont = fonts::BoldText;

// From the back to the front, in twips.
constexpr ControlSpec Controls[] = {
    {BackgroundPicture.name,
     ControlKind::Picture,
     {0, 0, 9000, 6000},
     fonts::WindowText,
     TextColor::System,
     TopLeft,
     nullptr},
    {RimDownRight.name, ControlKind::Decoration, Rules, RulesFont, TextColor::ButtonText, TopLeft,
     nullptr},
    {RimDownLeft.name, ControlKind::Decoration, Rules, RulesFont, TextColor::ButtonText, TopLeft,
     nullptr},
    {RimUpRight.name, ControlKind::Decoration, Rules, RulesFont, TextColor::ButtonText, TopLeft,
     nullptr},
    {RimUpLeft.name, ControlKind::Decoration, Rules, RulesFont, TextColor::ButtonText, TopLeft,
     nullptr},
    {RulesText.name, ControlKind::FixedText, Rules, RulesFont, TextColor::White, TopLeft, nullptr},
    {ClosingWish.name,
     ControlKind::Text,
     {840, 2520, 1920, 240},
     fonts::BoldText,
     TextColor::ButtonText,
     TopLeft,
     nullptr},
    {"signature",
     ControlKind::Text,
     {1920, 2760, 525, 240},
     fonts::BoldText,
     TextColor::ButtonText,
     TopLeft,
     "kaludnik"},
    {"designCredit",
     ControlKind::Text,
     {3360, 5280, 1665, 195},
     fonts::WindowText,
     TextColor::White,
     TopLeft,
     "Design: kaludnik 2026"},
    // Beside the rules, where the window widens over the picture's dark right part.
    {KeysList.name,
     ControlKind::FixedText,
     {5640, 360, 3120, 5040},
     fonts::WindowText,
     TextColor::White,
     TopLeft,
     nullptr},
};

// The rim: copies of the rules in the dark text colour, each this far from the rules text on
// one diagonal, so that every white letter has a dark edge all round.
constexpr float RimOffset = 10.0f;
struct RimCopy {
    ControlName<Label> control;
    float dx, dy;
};
constexpr std::array<RimCopy, 4> RimCopies{{{RimUpLeft, -RimOffset, -RimOffset},
                                            {RimUpRight, RimOffset, -RimOffset},
                                            {RimDownLeft, -RimOffset, RimOffset},
                                            {RimDownRight, RimOffset, RimOffset}}};

} // namespace

HelpWindow::HelpWindow(toolkit::PictureStore &pictures, QWidget *parent)
    : QDialog(parent, toolkit::frames::FixedTool)
{
    // As designed, widened to the picture's full width for the keys.
    toolkit::applyDesign(this, {9000, 5715, toolkit::colors::DarkGrey, false});
    setWindowTitle(tr("Help"));
    setWindowIcon(pictures.applicationIcon());
    toolkit::buildControls(this, Controls);

    using toolkit::builtControl;
    builtControl(this, BackgroundPicture)->setPicture([&pictures](qreal ratio) {
        return pictures.background(ratio);
    });
    Label *rules = builtControl(this, RulesText);
    //: The rules of the game in the help window; the text wraps within the window.
    rules->showText(tr("Click each of the 9 buttons to prevent them counting down to zero.  When "
                       "you reach zero, it's game over and you have to start again."));
    //: Under the rules in the help window: a short wish for the player.
    builtControl(this, ClosingWish)->showText(tr("..."));
    //: The keys, in a column beside the rules in the help window, one a line. The letter keys
    //: are those in the grid's places on a keyboard of the language (Y X C on a Czech one).
    builtControl(this, KeysList)
        ->showText(tr("Keys\n"
                      "Keypad 7 8 9, 4 5 6, 1 2 3: the cells, row by row\n"
                      "Q W E, A S D, Z X C on a US keyboard, the keys in those places on others: "
                      "the same\n"
                      "P, Pause: pause, and go on\n"
                      "M: sound off or on\n"
                      "F1: help, when no game runs\n"
                      "Ctrl+H: best results\n"
                      "Ctrl+N: new game\n"
                      "Ctrl+Q: quit\n"
                      "Menu, Shift+F10: every command\n"
                      "Escape: close this window"));
    // Each copy is placed from the rules text, never from another copy.
    for (const RimCopy &copy : RimCopies) {
        Label *rim = builtControl(this, copy.control);
        rim->showText(rules->text());
        rim->moveToTwips(rules->leftTwips() + copy.dx, rules->topTwips() + copy.dy);
    }
}
