#pragma once
// Fonts and colours of the layouts as Qt values.
#include <QColor>
#include <QFont>

#include "ui/window_layout.h"

class QWidget;

namespace quarvel::qt {

QFont MakeFont(const layout::FontSpec& spec);
QColor MakeColour(const layout::Rgb& rgb);

// Background for every state; text colour for the enabled states only, so disabled
// controls keep the style's greyed text.
void ApplyColours(QWidget& widget, const layout::Rgb& foreground, const layout::Rgb& background);

}  // namespace quarvel::qt
