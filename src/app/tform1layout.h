#pragma once

#include "util/rgb.h"

#include <array>
#include <optional>
#include <span>

class QColor;
class QWidget;

/// What a row of the main window's layout makes.
enum class ControlKind {
    panel, ///< a coloured rectangle behind a group of controls
    label,
    caption, ///< a label naming the edit field of the row before it
    edit, ///< its text is its field's design default
    check, ///< checked as its box's design default
    lamp, ///< a check box showing a valve's state; it takes no focus
    button,
    radio, ///< a rebreather type: a click checks it but never unchecks it
    slider, ///< designed by configureMainSlider under its name
    ceilingBar, ///< the vertical bar marking the next stop's ceiling
    presetList, ///< the named presets
    counterlung,
    diver, ///< the diver's picture
};

/// A control's rectangle in the window; a zero width leaves a label or a
/// check box at the size its text needs.
struct Box
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

/// A design font; sizes are in pixels (see designFont).
struct FontChoice
{
    const char *family;
    int pixels;
    bool bold = false;
    bool italic = false;
};

enum RowFlag : unsigned {
    kCentred = 1, ///< the text is centred in the label's box
    kHidden = 2, ///< shown only when the program says so
};

/// One control of the main window. Its name is the design name that the
/// settings file, the scenarios and the tests find it by.
struct ControlRow
{
    ControlKind kind {};
    const char *name = "";
    Box box {};
    const char *text = "";
    std::optional<Rgb> ink {}; ///< text colour
    std::optional<Rgb> paper {}; ///< background
    const FontChoice *font = nullptr; ///< none: a label or a button wears the window's
    const char *hint = "";
    unsigned flags = 0;
};

/// The cells of the tissue table, top to bottom, by column.
inline constexpr std::array<const char *, 16> kCeilingCells = {"Label43", "Label44", "Label45",
        "Label46", "Label47", "Label48", "Label49", "Label50", "Label51", "Label52", "Label53",
        "Label54", "Label55", "Label56", "Label57", "Label58"};
inline constexpr std::array<const char *, 16> kHeCells = {"Label85", "Label86", "Label87",
        "Label88", "Label89", "Label97", "Label98", "Label99", "Label100", "Label101", "Label102",
        "Label103", "Label104", "Label105", "Label106", "Label107"};
inline constexpr std::array<const char *, 16> kN2Cells = {"Label27", "Label28", "Label29",
        "Label30", "Label31", "Label32", "Label33", "Label34", "Label35", "Label36", "Label37",
        "Label38", "Label39", "Label40", "Label41", "Label42"};

/// Every control of the main window in the order of its creation, which is
/// also the order of stacking (later rows on top) and of the Tab key.
std::span<const ControlRow> windowLayout();

/// Gives \a window the main window's design (name, title, icon, font) and
/// \a client, the area below the window's menu, its design size and colours
/// and the controls of windowLayout() as its children.
void layOutWindow(QWidget &window, QWidget &client);

/// Sets the window's title and its controls' captions and hints in the
/// interface's language; labels sized by their text take the new size.
void translateWindow(QWidget &window, QWidget &client);

/// \a c as Qt's colour.
QColor toQColor(Rgb c);
