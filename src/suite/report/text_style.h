#pragma once
// How a piece of report text looks: the attributes a line's control codes
// switch on and off.
namespace meridian::suite::report {

// Character pitch as a printer knows it. The pitch decides how many
// characters fit across the page, so it also decides the glyph size.
enum class Pitch { normal10cpi, pitch12cpi, condensed17cpi };

// Characters per inch of each pitch; condensed print is 17.14 cpi on the
// printers these reports were laid out for.
double charactersPerInch(Pitch pitch);

// The font-size directive gives a step; 0 means "as the pitch gives" and
// steps 1 to 7 run from smaller to larger print (3 is the pitch's own size).
// Steps outside 0..7 are clamped so a stray value never produces an
// unreadable or page-wide glyph.
double fontStepScale(int step);

struct TextStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  Pitch pitch = Pitch::normal10cpi;
  int fontStep = 0;

  bool operator==(const TextStyle&) const = default;
};

}  // namespace meridian::suite::report
