#include "ExampleSources.h"

#include "../Prng.h"
#include "BasicData.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace payload {
namespace {

struct Star {
    double rightAscension; // hours
    double declination;    // degrees
    double magnitude;
};

constexpr double Pi = 3.14159265358979;

// Stars scattered over the sphere, crowded towards a band like a galaxy seen edge-on. Faint stars far
// outnumber bright ones.
std::vector<Star> MakeCatalogue(int count, Prng& prng)
{
    std::vector<Star> stars;
    // The band's pole.
    const double poleX = 0.35, poleY = -0.45, poleZ = 0.82;
    while (static_cast<int>(stars.size()) < count) {
        double z = 2.0 * prng.Unit() - 1.0;
        double angle = 2.0 * Pi * prng.Unit();
        double r = std::sqrt(1.0 - z * z);
        double x = r * std::cos(angle);
        double y = r * std::sin(angle);
        double nearBand = std::fabs(x * poleX + y * poleY + z * poleZ);
        if (prng.Unit() > 0.3 + 0.7 * std::exp(-nearBand * nearBand / 0.04) && prng.Chance(0.7)) {
            continue;
        }
        Star star;
        star.rightAscension = std::fmod(angle * 12.0 / Pi + 24.0, 24.0);
        star.declination = std::asin(z) * 180.0 / Pi;
        star.magnitude = std::min(6.5, -1.0 + 7.5 * std::pow(prng.Unit(), 0.35));
        stars.push_back(star);
    }
    std::sort(stars.begin(), stars.end(), [](const Star& a, const Star& b) { return a.magnitude < b.magnitude; });
    return stars;
}

std::string StarName(Prng& prng)
{
    static const char* const starts[] = {"Al", "Bel", "Cor", "Dra", "En", "Fal", "Gan", "Hel", "Ir", "Jor",
                                         "Kel", "Lor", "Mir", "Nor", "Os", "Pel", "Quen", "Ra", "Sel", "Tor",
                                         "Ul", "Ven", "Wyr", "Xan", "Yth", "Zel"};
    static const char* const middles[] = {"a", "e", "i", "o", "u", "ae", "ia", "ar", "en", "is", "or"};
    static const char* const ends[] = {"n", "th", "r", "s", "x", "l", "nd", "ra", "dor", "mir", "ka", "lis"};
    return std::string(prng.Pick(starts)) + prng.Pick(middles) + prng.Pick(ends);
}

double Separation(const Star& a, const Star& b)
{
    double ra1 = a.rightAscension * Pi / 12.0, ra2 = b.rightAscension * Pi / 12.0;
    double d1 = a.declination * Pi / 180.0, d2 = b.declination * Pi / 180.0;
    double c = std::sin(d1) * std::sin(d2) + std::cos(d1) * std::cos(d2) * std::cos(ra1 - ra2);
    return std::acos(std::clamp(c, -1.0, 1.0)) * 180.0 / Pi;
}

} // namespace

std::string StarsSource(int count)
{
    std::string program = R"BAS(' STARS.BAS - a star chart of an imaginary sky
'
' The catalogue in the DATA lines lists the stars of a sky that exists
' only in this program: for every star its right ascension in hours,
' its declination in degrees and its brightness as a magnitude (the
' smaller the number, the brighter the star). Then come the names of
' the brightest stars and the lines of the star figures.
'
' The chart shows the sky around the viewing direction as seen from the
' inside of the celestial sphere (a stereographic projection, which
' keeps the shapes of the figures). Turn the view with the cursor keys,
' zoom with + and -, switch the names with N and the figures with F,
' and quit with Esc. Needs VGA graphics.

DECLARE SUB DrawSky ()
DECLARE SUB LoadCatalogue ()

DEFSNG A-Z
CONST MaxStars = 2500, MaxNames = 200, MaxLines = 400
CONST Degree = .01745329

DIM SHARED ra(1 TO MaxStars), dec(1 TO MaxStars), mag(1 TO MaxStars)
DIM SHARED starName$(1 TO MaxNames), nameOf%(1 TO MaxNames)
DIM SHARED lineFrom%(1 TO MaxLines), lineTo%(1 TO MaxLines)
DIM SHARED starCount%, nameCount%, lineCount%
DIM SHARED viewRa, viewDec, span, showNames%, showLines%

LoadCatalogue
SCREEN 12
viewRa = 6
viewDec = 20
span = 90
showNames% = -1
showLines% = -1
DO
    DrawSky
    DO
        k$ = INKEY$
    LOOP WHILE k$ = ""
    SELECT CASE UCASE$(k$)
        CASE CHR$(0) + "K"
            viewRa = viewRa + span / 120
        CASE CHR$(0) + "M"
            viewRa = viewRa - span / 120
        CASE CHR$(0) + "H"
            viewDec = viewDec + span / 8
        CASE CHR$(0) + "P"
            viewDec = viewDec - span / 8
        CASE "+", "="
            IF span > 15 THEN span = span / 1.5
        CASE "-"
            IF span < 200 THEN span = span * 1.5
        CASE "N"
            showNames% = NOT showNames%
        CASE "F"
            showLines% = NOT showLines%
        CASE CHR$(27)
            EXIT DO
    END SELECT
    IF viewRa >= 24 THEN viewRa = viewRa - 24
    IF viewRa < 0 THEN viewRa = viewRa + 24
    IF viewDec > 90 THEN viewDec = 90
    IF viewDec < -90 THEN viewDec = -90
LOOP
SCREEN 0
WIDTH 80
END

' The catalogue: the number of stars, then right ascension, declination
' and magnitude of each star, brightest first.
Catalogue:
)BAS";

    Prng prng(Prng::SeedFromText("STARS.BAS"));
    std::vector<Star> stars = MakeCatalogue(count, prng);
    program += "DATA " + std::to_string(stars.size()) + "\n";
    std::vector<std::string> items;
    for (const Star& star : stars) {
        // One star's three numbers always share a line.
        items.push_back(Decimal(star.rightAscension, 3) + ", " + Decimal(star.declination, 2) + ", " +
                        Decimal(star.magnitude, 1));
    }
    AppendData(program, items);

    // Names for the brightest stars, and figures joining bright stars that stand close together.
    std::size_t named = std::min<std::size_t>(stars.size(), 200);
    program += "\n' Names: the number of names, then star number and name.\nStarNames:\n";
    program += "DATA " + std::to_string(named) + "\n";
    items.clear();
    for (std::size_t i = 0; i < named; ++i) {
        items.push_back(std::to_string(i + 1) + ", " + Quoted(StarName(prng)));
    }
    AppendData(program, items);

    std::vector<std::pair<std::size_t, std::size_t>> figureLines;
    std::size_t bright = std::min<std::size_t>(stars.size(), 400);
    for (std::size_t i = 0; i < bright && figureLines.size() < 380; ++i) {
        std::size_t nearest = i;
        double best = 1e9;
        for (std::size_t j = 0; j < bright; ++j) {
            if (j == i) {
                continue;
            }
            double distance = Separation(stars[i], stars[j]);
            if (distance < best) {
                best = distance;
                nearest = j;
            }
        }
        if (best < 11.0 && nearest != i) {
            figureLines.push_back({std::min(i, nearest) + 1, std::max(i, nearest) + 1});
        }
    }
    std::sort(figureLines.begin(), figureLines.end());
    figureLines.erase(std::unique(figureLines.begin(), figureLines.end()), figureLines.end());
    program += "\n' Figures: the number of lines, then the two star numbers of each.\nFigures:\n";
    program += "DATA " + std::to_string(figureLines.size()) + "\n";
    items.clear();
    for (const auto& line : figureLines) {
        items.push_back(std::to_string(line.first) + ", " + std::to_string(line.second));
    }
    AppendData(program, items);

    program += R"BAS(
DEFSNG A-Z
SUB DrawSky
    ' Projects every star onto the screen and draws the visible ones,
    ' brighter stars larger.
    DIM sx%(1 TO MaxStars), sy%(1 TO MaxStars)
    CLS
    a0 = viewRa * 15 * Degree
    d0 = viewDec * Degree
    sd0 = SIN(d0)
    cd0 = COS(d0)
    ' Half the screen width covers half the span of the view.
    scale = 320 / (2 * TAN(span * Degree / 4))
    FOR i% = 1 TO starCount%
        a = ra(i%) * 15 * Degree - a0
        d = dec(i%) * Degree
        sd = SIN(d)
        cd = COS(d)
        ca = COS(a)
        cosDistance = sd0 * sd + cd0 * cd * ca
        sx%(i%) = -1
        IF cosDistance > -.5 THEN
            k = 2 / (1 + cosDistance)
            x = 320 - scale * k * cd * SIN(a)
            y = 240 - scale * k * (cd0 * sd - sd0 * cd * ca)
            IF x >= 0 AND x < 640 AND y >= 16 AND y < 480 THEN
                sx%(i%) = x
                sy%(i%) = y
            END IF
        END IF
    NEXT i%

    IF showLines% THEN
        FOR i% = 1 TO lineCount%
            s1% = lineFrom%(i%)
            s2% = lineTo%(i%)
            IF sx%(s1%) >= 0 AND sx%(s2%) >= 0 THEN
                LINE (sx%(s1%), sy%(s1%))-(sx%(s2%), sy%(s2%)), 1
            END IF
        NEXT i%
    END IF

    FOR i% = starCount% TO 1 STEP -1
        IF sx%(i%) >= 0 THEN
            x% = sx%(i%)
            y% = sy%(i%)
            m = mag(i%)
            IF m < 1 THEN
                CIRCLE (x%, y%), 3, 14
                LINE (x% - 2, y% - 1)-(x% + 2, y% + 1), 15, BF
                LINE (x% - 1, y% - 2)-(x% + 1, y% + 2), 15, BF
            ELSEIF m < 2 THEN
                LINE (x% - 1, y% - 1)-(x% + 1, y% + 1), 15, BF
            ELSEIF m < 3 THEN
                LINE (x%, y%)-(x% + 1, y% + 1), 15, BF
            ELSEIF m < 4 THEN
                PSET (x%, y%), 15
            ELSEIF m < 5 THEN
                PSET (x%, y%), 7
            ELSE
                PSET (x%, y%), 8
            END IF
        END IF
    NEXT i%

    IF showNames% THEN
        COLOR 11
        FOR i% = 1 TO nameCount%
            s% = nameOf%(i%)
            IF sx%(s%) >= 0 THEN
                row% = sy%(s%) \ 16 + 1
                col% = sx%(s%) \ 8 + 2
                IF row% >= 2 AND row% <= 30 AND col% + LEN(starName$(i%)) <= 80 THEN
                    LOCATE row%, col%
                    PRINT starName$(i%);
                END IF
            END IF
        NEXT i%
    END IF

    COLOR 7
    LOCATE 1, 1
    PRINT USING "View: RA ##.# h   Dec +##.#   span ### degrees"; viewRa; viewDec; span;
    PRINT "    Keys: arrows + - N F Esc";
END SUB

DEFSNG A-Z
SUB LoadCatalogue
    RESTORE Catalogue
    READ starCount%
    IF starCount% > MaxStars THEN starCount% = MaxStars
    FOR i% = 1 TO starCount%
        READ ra(i%), dec(i%), mag(i%)
    NEXT i%
    RESTORE StarNames
    READ nameCount%
    FOR i% = 1 TO nameCount%
        READ nameOf%(i%), starName$(i%)
    NEXT i%
    RESTORE Figures
    READ lineCount%
    FOR i% = 1 TO lineCount%
        READ lineFrom%(i%), lineTo%(i%)
    NEXT i%
END SUB
)BAS";
    return program;
}

} // namespace payload
