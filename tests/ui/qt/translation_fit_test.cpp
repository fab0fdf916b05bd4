// Every translation's captions, labels and Hall of Fame lines fit their controls in the
// controls' own fonts: nothing clipped, nothing elided, every character drawn from a font
// that has it. One language a run (LANGUAGE), at scale factors 1 and 2.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <cerrno>
#include <cstdlib>

#include "platform/gettext_translator.h"
#include "ui/game_completion.h"
#include "ui/hall_of_fame_listing.h"
#include "ui/hall_of_fame_window_layout.h"
#include "ui/main_window_layout.h"
#include "ui/qt/hall_of_fame_window.h"
#include "ui/qt/qt_harness.h"
#include "ui/reload_window_layout.h"
#include "ui/shortest_note.h"
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

// Whether every character is drawn from a font that has it: glyph 0 is the replacement box.
bool EveryGlyphDrawn(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  for (const QGlyphRun& run : layout.glyphRuns())
    if (run.glyphIndexes().contains(0)) return false;
  return true;
}

constexpr std::string_view kShipped[] = {QUARVEL_SHIPPED_LANGUAGES};

// The catalogues as the program takes them, in the language the environment chooses.
class Translated : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(translator_.Translating()) << "no catalogue for LANGUAGE=" << language_;
    UseTranslator(&translator_);
  }
  void TearDown() override { UseTranslator(nullptr); }
  const std::string language_ = std::getenv("LANGUAGE") ? std::getenv("LANGUAGE") : "";
  GettextTranslator translator_{QUARVEL_LOCALE_BUILD_DIR, kShipped};
};

TEST_F(Translated, EveryCaptionLabelAndFameLineFitsItsControlWithEveryGlyph) {
  QtHarness h;
  ASSERT_TRUE(h.frontEnd.Start());
  EXPECT_NE(h.main().command(EventId::NewGame)->text(), "New Game") << language_ << ": not translated";
  const std::pair<const qt::FormWindow*, const layout::WindowLayout*> windows[] = {
      {&h.main(), &layout::kMainWindowLayout},
      {&h.fame(), &layout::kHallOfFameWindowLayout},
      {&h.reload(), &layout::kReloadWindowLayout}};
  for (const auto& [window, table] : windows)
    for (const layout::ControlLayout& control : table->controls) {
      const QWidget* widget = window->control(layout::ControlName(control));
      const auto* label = qobject_cast<const QLabel*>(widget);
      const auto* button = qobject_cast<const QPushButton*>(widget);
      const auto* box = qobject_cast<const QLineEdit*>(widget);
      if (!label && !button && !box) continue;
      const QString text = label ? label->text() : button ? button->text() : box->text();
      const QFontMetrics metrics(widget->font());
      EXPECT_LE(metrics.horizontalAdvance(text), TextRoom(*widget))
          << language_ << " " << layout::ControlName(control) << " \"" << text.toStdString() << "\"";
      EXPECT_LE(metrics.height(), widget->height()) << language_ << " " << layout::ControlName(control);
      EXPECT_TRUE(EveryGlyphDrawn(text, widget->font())) << language_ << " " << text.toStdString();
    }
  const QPlainTextEdit* listing = h.fame().listingBox();
  const QFontMetrics metrics(listing->font());
  const double margin = listing->document()->documentMargin();
  // The heading and the widest line: the longest name and number, the longest time.
  const FameEntry widest{"MMMMMMMMMMMMMM", "10461394943999", 3599.0 / 86400, "Sep 30, 2026"};
  for (const QString& line :
       {QString::fromStdString(FameListingHeading()), QString::fromStdString(FameListingLine(widest))}) {
    EXPECT_LE(metrics.horizontalAdvance(line) + 2 * margin, listing->contentsRect().width())
        << language_ << " " << line.toStdString();
    EXPECT_TRUE(EveryGlyphDrawn(line, listing->font())) << language_ << " " << line.toStdString();
  }
}

// The winning time, the file failures and the moves against the shortest solution read as
// whole sentences. Run for German and French.
TEST_F(Translated, SentencesWithNumbersReadWhole) {
  GameState won;
  won.gamesBegun = 1;
  won.movesMade = 52;
  won.wonByPlayer = true;
  won.shortestLength = 48;
  const std::vector<std::string> shown{CongratulationText({0, 2, 5}),
                                       CongratulationText({1, 0, 1}),
                                       FailureText({FileAction::Write, "Fame.dat", FileProblem::System, EISDIR}),
                                       FailureText({FileAction::Read, "Fame.dat", FileProblem::TooLarge, 0, 1000}),
                                       FailureText({FileAction::Replace, "saved.dat", FileProblem::System, EXDEV}),
                                       ShortestSolutionNote(won)};
  const std::map<std::string, std::vector<std::string>> sentences{
      {"de",
       {"Herzlichen Glückwunsch! Ihre Zeit: 2 Minuten und 5 Sekunden.",
        "Herzlichen Glückwunsch! Ihre Zeit: 1 Stunde und 1 Sekunde.",
        "In Fame.dat kann nicht geschrieben werden: Die Datei ist ein Ordner.",
        "Fame.dat kann nicht gelesen werden: Die Datei ist größer als 1000 Byte.",
        "saved.dat kann nicht ersetzt werden: Das System meldet den Fehler 18.",
        "Sie haben es in 52 Zügen gelöst; die kürzeste Lösung braucht 48 Züge."}},
      {"fr",
       {"Félicitations\u00a0! Votre temps\u00a0: 2\u00a0minutes et 5\u00a0secondes.",
        "Félicitations\u00a0! Votre temps\u00a0: 1\u00a0heure et 1\u00a0seconde.",
        "Impossible d’écrire dans Fame.dat\u00a0: c’est un dossier.",
        "Impossible de lire Fame.dat\u00a0: le fichier dépasse 1000\u00a0octets.",
        "Impossible de remplacer saved.dat\u00a0: le système signale l’erreur 18.",
        "Vous l’avez résolue en 52\u00a0coups\u00a0; la solution la plus courte en compte 48."}}};
  ASSERT_EQ(sentences.count(language_), 1u) << "no sentences for " << language_;
  EXPECT_EQ(shown, sentences.at(language_));
}

}  // namespace
}  // namespace quarvel::testing
