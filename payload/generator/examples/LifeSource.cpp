#include "ExampleSources.h"

#include "../Prng.h"
#include "BasicData.h"

#include <vector>

namespace payload {
namespace {

struct Pattern {
    const char* title;
    std::vector<std::string> rows;
};

// Classic small patterns; "O" is a live cell.
const std::vector<Pattern>& ClassicPatterns()
{
    static const std::vector<Pattern> patterns = {
        {"Glider", {".O.", "..O", "OOO"}},
        {"Blinker", {"OOO"}},
        {"Toad", {".OOO", "OOO."}},
        {"Beacon", {"OO..", "OO..", "..OO", "..OO"}},
        {"Light spaceship", {".O..O", "O....", "O...O", "OOOO."}},
        {"R-pentomino", {".OO", "OO.", ".O."}},
        {"Diehard", {"......O.", "OO......", ".O...OOO"}},
        {"Acorn", {".O.....", "...O...", "OO..OOO"}},
        {"Pentadecathlon", {"..O....O..", "OO.OOOO.OO", "..O....O.."}},
        {"Pulsar", {"..OOO...OOO..", ".............", "O....O.O....O", "O....O.O....O", "O....O.O....O",
                    "..OOO...OOO..", ".............", "..OOO...OOO..", "O....O.O....O", "O....O.O....O",
                    "O....O.O....O", ".............", "..OOO...OOO.."}},
        {"Ten in a row", {"OOOOOOOOOO"}},
        {"Four gliders", {".O.......O.", "..O.....O..", "OOO.....OOO", "...........", "...........",
                          "...........", "OOO.....OOO", "..O.....O..", ".O.......O."}},
        {"Still lifes", {"OO....OO.....", "OO...O..O....", "......OO.....", ".............", "..O.....OO...",
                         ".O.O...O..O..", "..O.....O.O..", ".........O..."}},
        {"Cross", {"..OOOO..", "..O..O..", "OOO..OOO", "O......O", "O......O", "OOO..OOO", "..O..O..",
                   "..OOOO.."}},
    };
    return patterns;
}

// A field with four-fold mirror symmetry, which tends to give long, lively runs.
Pattern MirrorDesign(Prng& prng)
{
    int halfWidth = prng.Between(4, 18);
    int halfHeight = prng.Between(3, 9);
    double density = 0.25 + prng.Unit() * 0.25;
    std::vector<std::string> quarter(static_cast<std::size_t>(halfHeight), std::string(static_cast<std::size_t>(halfWidth), '.'));
    for (auto& row : quarter) {
        for (auto& cell : row) {
            if (prng.Chance(density)) {
                cell = 'O';
            }
        }
    }
    bool oddWidth = prng.Chance(0.5);
    Pattern pattern{nullptr, {}};
    auto mirrorRow = [&](const std::string& half) {
        std::string left(half.rbegin(), half.rend());
        return left + (oddWidth ? "." : "") + half;
    };
    for (int y = halfHeight - 1; y >= 0; --y) {
        pattern.rows.push_back(mirrorRow(quarter[static_cast<std::size_t>(y)]));
    }
    for (int y = 0; y < halfHeight; ++y) {
        pattern.rows.push_back(mirrorRow(quarter[static_cast<std::size_t>(y)]));
    }
    return pattern;
}

// A random field without symmetry; most such soups settle down into still lifes and blinkers after a
// few hundred generations, a few send off gliders.
Pattern Soup(Prng& prng)
{
    int width = prng.Between(12, 40);
    int height = prng.Between(8, 16);
    double density = 0.3 + prng.Unit() * 0.2;
    Pattern pattern{nullptr, {}};
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            row += prng.Chance(density) ? 'O' : '.';
        }
        pattern.rows.push_back(row);
    }
    return pattern;
}

// Run-length encoding as Life programs exchange patterns: a count (left out when 1) before "b" for
// dead cells, "o" for live cells and "$" for the ends of rows; "!" ends the pattern. Dead cells at the
// end of a row are left out.
std::string EncodeRuns(const std::vector<std::string>& rows)
{
    std::string code;
    auto emit = [&code](int count, char tag) {
        if (count > 1) {
            code += std::to_string(count);
        }
        code += tag;
    };
    int pendingRows = 0;
    for (const std::string& row : rows) {
        std::size_t end = row.find_last_of('O');
        if (end == std::string::npos) {
            ++pendingRows;
            continue;
        }
        if (!code.empty() || pendingRows > 0) {
            emit(pendingRows + (code.empty() ? 0 : 1), '$');
        }
        pendingRows = 0;
        std::size_t x = 0;
        while (x <= end) {
            std::size_t run = x;
            while (run <= end && row[run] == row[x]) {
                ++run;
            }
            emit(static_cast<int>(run - x), row[x] == 'O' ? 'o' : 'b');
            x = run;
        }
    }
    return code + "!";
}

// Splits an encoded pattern into DATA items of at most 60 characters.
std::vector<std::string> SplitCode(const std::string& code)
{
    std::vector<std::string> parts;
    for (std::size_t start = 0; start < code.size(); start += 60) {
        parts.push_back(Quoted(code.substr(start, 60)));
    }
    return parts;
}

} // namespace

std::string LifeSource(int designs)
{
    std::string program = R"BAS(' LIFE.BAS - the Game of Life in text mode
'
' Cells live on a board of 78 x 21 squares whose edges wrap around. In
' every generation a live cell with two or three live neighbours stays
' alive, a dead cell with exactly three live neighbours comes to life,
' and every other cell dies or stays dead.
'
' Start one of the patterns of the library in the DATA lines, fill the
' board at random, or draw your own pattern with the cursor keys.
' Mirror designs are symmetric fields that often run for a long time;
' soups are random fields to watch settle down.
'
' The patterns are stored run-length encoded, the way Life programs
' exchange them: a number says how often the next sign repeats (no
' number means once), "b" is a dead cell, "o" a live one, "$" ends a
' row and "!" ends the pattern. "3o$bo!" is a row of three live cells
' with one live cell below the middle one.

DECLARE FUNCTION EditBoard% ()
DECLARE SUB ListPatterns (page%)
DECLARE SUB NextGeneration ()
DECLARE SUB PlacePattern (number%)
DECLARE SUB RunBoard ()
DECLARE SUB ShowBoard ()
DECLARE SUB SkipPattern ()

DEFINT A-Z
CONST BoardWidth = 78, BoardHeight = 21, PerPage = 54

DIM SHARED board(1 TO BoardWidth, 1 TO BoardHeight)
DIM SHARED neighbours(1 TO BoardWidth, 1 TO BoardHeight)
DIM SHARED generation AS LONG, patternCount

' Count the patterns of the library.
RESTORE Patterns
patternCount = 0
DO
    READ title$, patternWidth, patternHeight
    IF patternHeight = 0 THEN EXIT DO
    SkipPattern
    patternCount = patternCount + 1
LOOP
pages = (patternCount - 1) \ PerPage + 1

RANDOMIZE TIMER
page = 0
DO
    CLS
    PRINT "THE GAME OF LIFE - pattern library, page"; page + 1; "of"; pages
    ListPatterns page
    LOCATE 22, 1
    PRINT "Type a pattern number, N for the next page, R for a random field,"
    PRINT "E to draw your own, or Q to quit: ";
    LINE INPUT choice$
    choice$ = UCASE$(LTRIM$(RTRIM$(choice$)))
    started = 0
    SELECT CASE choice$
        CASE "Q"
            EXIT DO
        CASE "N"
            page = (page + 1) MOD pages
        CASE "R"
            ERASE board
            FOR y = 1 TO BoardHeight
                FOR x = 1 TO BoardWidth
                    IF RND < .3 THEN board(x, y) = 1
                NEXT x
            NEXT y
            started = -1
        CASE "E"
            ERASE board
            started = EditBoard
        CASE ELSE
            number! = VAL(choice$)
            IF number! >= 1 AND number! <= patternCount THEN
                ERASE board
                PlacePattern CINT(number!)
                started = -1
            END IF
    END SELECT
    IF started THEN RunBoard
LOOP
CLS
END

' The library: a title, the width and the height, then the encoded
' pattern in one or more strings. The list ends with a pattern of
' height zero.
Patterns:
)BAS";

    Prng prng(Prng::SeedFromText("LIFE.BAS"));
    std::vector<Pattern> patterns = ClassicPatterns();
    std::vector<std::string> designTitles;
    for (int i = 1; i <= designs; ++i) {
        if (i % 2 == 1) {
            patterns.push_back(MirrorDesign(prng));
            designTitles.push_back("Mirror design " + std::to_string(i / 2 + 1));
        } else {
            patterns.push_back(Soup(prng));
            designTitles.push_back("Soup " + std::to_string(i / 2));
        }
    }
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        const Pattern& pattern = patterns[i];
        std::string title = pattern.title != nullptr ? pattern.title : designTitles[i - ClassicPatterns().size()];
        program += "DATA " + Quoted(title) + ", " + std::to_string(pattern.rows[0].size()) + ", " +
                   std::to_string(pattern.rows.size()) + "\n";
        for (const std::string& part : SplitCode(EncodeRuns(pattern.rows))) {
            program += "DATA " + part + "\n";
        }
    }
    program += "DATA \"\", 0, 0\n";

    program += R"BAS(
DEFINT A-Z
FUNCTION EditBoard
    ' Lets the user draw on the board. Returns true when the run should
    ' start (Enter), false when the user gave up (Esc).
    x = BoardWidth \ 2
    y = BoardHeight \ 2
    CLS
    DO
        ShowBoard
        LOCATE 24, 2
        PRINT "Cursor keys move, Space sets or clears a cell, Enter runs, Esc cancels ";
        LOCATE y + 1, x + 1, 1
        DO
            k$ = INKEY$
        LOOP WHILE k$ = ""
        SELECT CASE k$
            CASE CHR$(0) + "H"
                IF y > 1 THEN y = y - 1
            CASE CHR$(0) + "P"
                IF y < BoardHeight THEN y = y + 1
            CASE CHR$(0) + "K"
                IF x > 1 THEN x = x - 1
            CASE CHR$(0) + "M"
                IF x < BoardWidth THEN x = x + 1
            CASE " "
                board(x, y) = 1 - board(x, y)
            CASE CHR$(13)
                EditBoard = -1
                EXIT DO
            CASE CHR$(27)
                EditBoard = 0
                EXIT DO
        END SELECT
    LOOP
    LOCATE , , 0
END FUNCTION

DEFINT A-Z
SUB ListPatterns (page)
    ' Shows one page of the library in three columns.
    RESTORE Patterns
    first = page * PerPage + 1
    FOR i = 1 TO patternCount
        READ title$, patternWidth, patternHeight
        SkipPattern
        IF i >= first AND i < first + PerPage THEN
            slot = i - first
            LOCATE 3 + slot MOD 18, 1 + (slot \ 18) * 26
            PRINT USING "### "; i;
            PRINT LEFT$(title$, 21);
        END IF
    NEXT i
END SUB

DEFINT A-Z
SUB NextGeneration
    ' Counts the neighbours of every cell first, then applies the rules,
    ' so that the whole board changes at once.
    FOR y = 1 TO BoardHeight
        up = y - 1
        IF up < 1 THEN up = BoardHeight
        down = y + 1
        IF down > BoardHeight THEN down = 1
        FOR x = 1 TO BoardWidth
            lft = x - 1
            IF lft < 1 THEN lft = BoardWidth
            rgt = x + 1
            IF rgt > BoardWidth THEN rgt = 1
            n = board(lft, up) + board(x, up) + board(rgt, up)
            n = n + board(lft, y) + board(rgt, y)
            n = n + board(lft, down) + board(x, down) + board(rgt, down)
            neighbours(x, y) = n
        NEXT x
    NEXT y
    FOR y = 1 TO BoardHeight
        FOR x = 1 TO BoardWidth
            IF neighbours(x, y) = 3 THEN
                board(x, y) = 1
            ELSEIF neighbours(x, y) <> 2 THEN
                board(x, y) = 0
            END IF
        NEXT x
    NEXT y
    generation = generation + 1
END SUB

DEFINT A-Z
SUB PlacePattern (number)
    ' Decodes pattern number of the library into the middle of the board.
    RESTORE Patterns
    FOR i = 1 TO number - 1
        READ title$, patternWidth, patternHeight
        SkipPattern
    NEXT i
    READ title$, patternWidth, patternHeight
    top = (BoardHeight - patternHeight) \ 2 + 1
    lft = (BoardWidth - patternWidth) \ 2 + 1
    x = 0
    y = 0
    count = 0
    DO
        READ code$
        FOR c = 1 TO LEN(code$)
            sign$ = MID$(code$, c, 1)
            SELECT CASE sign$
                CASE "0" TO "9"
                    count = count * 10 + VAL(sign$)
                CASE "b", "o", "$"
                    IF count = 0 THEN count = 1
                    IF sign$ = "$" THEN
                        y = y + count
                        x = 0
                    ELSE
                        IF sign$ = "o" THEN
                            FOR k = 0 TO count - 1
                                board(lft + x + k, top + y) = 1
                            NEXT k
                        END IF
                        x = x + count
                    END IF
                    count = 0
            END SELECT
        NEXT c
    LOOP UNTIL RIGHT$(code$, 1) = "!"
END SUB

DEFINT A-Z
SUB RunBoard
    ' Runs generation after generation until Esc is pressed.
    generation = 0
    CLS
    DO
        ShowBoard
        k$ = INKEY$
        IF k$ = CHR$(27) OR UCASE$(k$) = "Q" THEN EXIT DO
        IF k$ = " " THEN
            DO
            LOOP WHILE INKEY$ = ""
        END IF
        NextGeneration
    LOOP
END SUB

DEFINT A-Z
SUB SkipPattern
    ' Reads past the encoded strings of one pattern.
    DO
        READ code$
    LOOP UNTIL RIGHT$(code$, 1) = "!"
END SUB

DEFINT A-Z
SUB ShowBoard
    COLOR 7
    LOCATE 1, 2
    PRINT STRING$(BoardWidth, 196);
    FOR y = 1 TO BoardHeight
        rowText$ = SPACE$(BoardWidth)
        FOR x = 1 TO BoardWidth
            IF board(x, y) THEN MID$(rowText$, x, 1) = "O"
        NEXT x
        LOCATE y + 1, 2
        PRINT rowText$;
    NEXT y
    LOCATE 23, 2
    PRINT STRING$(BoardWidth, 196);
    LOCATE 24, 2
    PRINT "Generation"; generation; "   Space pauses, Esc returns to the library   ";
END SUB
)BAS";
    return program;
}

} // namespace payload
