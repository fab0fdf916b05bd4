#pragma once
// Fonts and colours of the layouts as Qt values.
#include <QColor>
#include <QFont>
#include <QPalette>

#include "ui/window_layout.h"

class QWidget;

namespace quarvel::qt {

// The style's font; its size times `scale` in a window shown smaller than its layout.
QFont MakeFont(const layout::FontStyle& style, double scale = 1);
QColor MakeColour(const layout::Rgb& rgb);

// `base` with the background for every state, and the text colour for the enabled states
// and a mid grey for disabled controls.
QPalette ColouredPalette(QPalette base, const layout::Rgb& foreground, const layout::Rgb& background);

// The widget in these colours, its background filled. A widget that has them already,
// from its window, keeps the palette it shares with the window.
void ApplyColours(QWidget& widget, const layout::Rgb& foreground, const layout::Rgb& background);

}  // namespace quarvel::qt
