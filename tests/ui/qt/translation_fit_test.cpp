// Every translation's captions, labels and the Hall of Fame heading fit their controls in
// the controls' own fonts: nothing clipped, nothing elided. Run at scale factors 1 and 2.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <cstdlib>
#include <sstream>

#include "ui/hall_of_fame_listing.h"
#include "ui/hall_of_fame_window_layout.h"
#include "ui/main_window_layout.h"
#include "ui/qt/hall_of_fame_window.h"
#include "ui/qt/qt_harness.h"
#include "ui/reload_window_layout.h"
#include "ui/texts.h"

namespace quarvel::testing {
namespace {

// The width a control leaves for its text.
int TextRoom(const QWidget& widget) {
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
  }
  return widget.contentsRect().width();
}

TEST(Translations, EveryCaptionLabelAndHeadingFitsItsControlInEveryLanguage) {
  std::istringstream languages(QUARVEL_LANGUAGES);
  for (std::string language; std::getline(languages, language, ',');) {
    ::setenv("LANG", (language + ".UTF-8").c_str(), 1);
    ::setenv("LANGUAGE", language.c_str(), 1);
    ASSERT_TRUE(UseTranslations(QUARVEL_LOCALE_BUILD_DIR)) << language;
    QtHarness h;
    ASSERT_TRUE(h.frontEnd.Start());
    EXPECT_NE(h.main().command(Command::NewGame)->text(), "New Game") << language << ": not translated";
    const std::pair<const qt::FormWindow*, const layout::WindowLayout*> windows[] = {
        {&h.main(), &layout::kMainWindowLayout},
        {&h.fame(), &layout::kHallOfFameWindowLayout},
        {&h.reload(), &layout::kReloadWindowLayout}};
    for (const auto& [window, table] : windows)
      for (const layout::ControlLayout& control : table->controls) {
        const QWidget* widget = window->control(layout::ControlName(control));
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* button = qobject_cast<const QPushButton*>(widget);
        if (!label && !button) continue;
        const QString text = label ? label->text() : button->text();
        const QFontMetrics metrics(widget->font());
        EXPECT_LE(metrics.horizontalAdvance(text), TextRoom(*widget))
            << language << " " << layout::ControlName(control) << " \"" << text.toStdString() << "\"";
        EXPECT_LE(metrics.height(), widget->height()) << language << " " << layout::ControlName(control);
      }
    const QPlainTextEdit* listing = h.fame().listingBox();
    const QFontMetrics metrics(listing->font());
    const double margin = listing->document()->documentMargin();
    EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(FameListingHeading())) + 2 * margin,
              listing->contentsRect().width())
        << language << " Hall of Fame heading";
  }
  StopTranslations();
  ::unsetenv("LANGUAGE");
  ::unsetenv("LANG");
}

}  // namespace
}  // namespace quarvel::testing
