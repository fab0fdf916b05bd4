#pragma once
// Fonts and colours of the layouts as Qt values.
#include <QColor>
#include <QFont>

#include "ui/window_layout.h"

class QWidget;

namespace quarvel::qt {

QFont MakeFont(const layout::FontStyle& style);
QColor MakeColour(const layout::Rgb& rgb);

// Background for every state; the text colour for the enabled states, a mid grey for
// disabled controls.
void ApplyColours(QWidget& widget, const layout::Rgb& foreground, const layout::Rgb& background);

}  // namespace quarvel::qt
