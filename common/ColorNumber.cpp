#include "ColorNumber.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour numbers of the colour scheme, in their fixed order.
SystemRole roleFor(int index)
{
    using P = QPalette;
    switch (index) {
    case 0: return {P::Active, P::Mid};              // scroll bar
    case 1: return {P::Active, P::Window};           // desktop background
    case 2: return {P::Active, P::Highlight};        // active caption
    case 3: return {P::Inactive, P::Highlight};      // inactive caption
    case 4: return {P::Active, P::Window};           // menu
    case 5: return {P::Active, P::Base};             // window background
    case 6: return {P::Active, P::Shadow};           // window frame
    case 7: return {P::Active, P::WindowText};       // menu text
    case 8: return {P::Active, P::Text};             // window text
    case 9: return {P::Active, P::HighlightedText};  // caption text
    case 10: return {P::Active, P::Mid};             // active border
    case 11: return {P::Inactive, P::Mid};           // inactive border
    case 12: return {P::Active, P::Dark};            // application workspace
    case 13: return {P::Active, P::Highlight};       // highlight
    case 14: return {P::Active, P::HighlightedText}; // highlight text
    case 15: return {P::Active, P::Button};          // button face
    case 16: return {P::Active, P::Dark};            // button shadow
    case 17: return {P::Disabled, P::Text};          // grey text
    case 18: return {P::Active, P::ButtonText};      // button text
    case 19: return {P::Inactive, P::HighlightedText}; // inactive caption text
    case 20: return {P::Active, P::Light};           // button highlight
    case 21: return {P::Active, P::Shadow};          // 3D dark shadow
    case 22: return {P::Active, P::Midlight};        // 3D light
    case 23: return {P::Active, P::ToolTipText};     // info text
    case 24: return {P::Active, P::ToolTipBase};     // info background
    case 26: return {P::Active, P::Link};            // hot light
    case 27: return {P::Active, P::Highlight};       // gradient active caption
    case 28: return {P::Inactive, P::Highlight};     // gradient inactive caption
    case 29: return {P::Active, P::Highlight};       // menu highlight
    case 30: return {P::Active, P::Window};          // menu bar
    default: return {P::Active, P::Window};
    }
}

} // namespace

QColor SystemColor(int index)
{
    const SystemRole r = roleFor(index);
    return QGuiApplication::palette().color(r.group, r.role);
}

QColor ColorFromNumber(std::uint32_t number)
{
    if ((number & 0xFF000000u) == 0xFF000000u)
        return SystemColor(static_cast<int>(number & 0xFFu));
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}
