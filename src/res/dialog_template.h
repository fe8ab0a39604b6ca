#pragma once

#include <QString>

#include <vector>

namespace kestrova::dialog {

enum class ControlKind {
    Label,
    Button,
    Edit,
    List,     // drop-down list without typing
    GroupBox, // a captioned frame drawn around other controls
    Frame,    // a sunken frame drawn around other controls
    Icon,     // the application icon
    Summary,  // read-only lines of text, each one that warns marked as such
    Table,    // rows of cells under column captions, one of them marked; a row can be picked
};

// Style bits a template gives a control.
enum Style : unsigned {
    NoStyle = 0,
    Centred = 1u << 0,
    DigitsOnly = 1u << 1,
    Masked = 1u << 2,
    ReadOnly = 1u << 3,
    DefaultButton = 1u << 4, // pressed by Enter
    CancelButton = 1u << 5,  // pressed by Escape and the close box
    RightAligned = 1u << 6,
    OpensMenu = 1u << 7,  // a button that opens the window's context menu
    LargeText = 1u << 8,  // a label in a larger, bold font, wrapped onto a second line
    Wrapped = 1u << 9,    // a label whose text goes on over as many lines as it is high
    ShowsPath = 1u << 10, // a label that holds a path: where the line is too short it gives
                          // up its middle, and shows the whole as a tooltip
};

// A rectangle in dialog units: a quarter of the font's average character width across, an
// eighth of its height down.
struct UnitRect {
    int x, y, width, height;
    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool contains(const UnitRect& o) const {
        return o.x >= x && o.y >= y && o.right() <= right() && o.bottom() <= bottom();
    }
    bool intersects(const UnitRect& o) const {
        return o.x < right() && x < o.right() && o.y < bottom() && y < o.bottom();
    }
};

// Rows in the templates name only the members they need: every member after the rectangle has a
// default, so leaving it out is not a missing initializer.
struct ControlTemplate {
    int id;
    ControlKind kind;
    UnitRect rect;
    QString caption{}; // the template's own (English) caption
    unsigned style = NoStyle;
    int labelFor = 0;         // a label: the control it names, for screen readers and tab order
    QString accessibleName{}; // a control that no label names
};

// The small button that opens a window's context menu, in the room between `neighbour` and the
// window's right edge, so no control of the window moves for it.
ControlTemplate menuButtonRightOf(int id, const UnitRect& neighbour, int windowWidth);

// The line under a setup form's folder field that says where the settings the form shows were
// loaded from; every setup form has it, by this number.
constexpr int sourceLine = 1191;
constexpr int sourceLineHeight = 10;
ControlTemplate sourceLineBelow(const UnitRect& folderField);

struct DialogTemplate {
    int id;
    int width;
    int height;
    QString caption;
    std::vector<ControlTemplate> controls;

    const ControlTemplate* control(int controlId) const;
};

} // namespace kestrova::dialog
