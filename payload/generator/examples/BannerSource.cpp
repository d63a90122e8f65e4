#include "ExampleSources.h"

#include "../PixelFont.h"
#include "BasicData.h"

#include <vector>

namespace payload {

std::string BannerSource()
{
    std::string program = R"BAS(' BANNER.BAS - prints text in large letters
'
' Every character is drawn from a small font kept in the DATA lines at
' the end of the program: each glyph is five columns wide and eight rows
' high, "#" for ink and "." for paper. Large letters are made from the
' same font by turning every font pixel into a block of 2 x 2 and
' rounding off the corners of diagonal strokes.
'
' Type a line of text to see it as a banner. Banners can be added to
' the file BANNER.TXT, for example to print them later.

DECLARE SUB LoadFont ()
DECLARE SUB ShowBanner (text$, large%, mark$, fileNumber%)
DECLARE FUNCTION Ink% (code%, x%, y%)
DECLARE FUNCTION Smooth$ (code%, x%, y%, half%, mark$)

DEFINT A-Z
CONST FirstCode = 32, LastCode = 126, GlyphRows = 8

DIM SHARED glyph$(FirstCode TO LastCode, 1 TO GlyphRows)

LoadFont
CLS
PRINT "BANNER - large letters from a small font"
mark$ = "#"
large = 0
lastText$ = ""
DO
    PRINT
    PRINT "Type a line of text, or one of these commands (an empty line quits):"
    PRINT "  /L  large letters on or off    /M  change the drawing character"
    PRINT "  /S  add the last banner to BANNER.TXT"
    LINE INPUT "> "; text$
    SELECT CASE UCASE$(text$)
        CASE ""
            EXIT DO
        CASE "/L"
            large = NOT large
            IF large THEN PRINT "Large letters." ELSE PRINT "Normal letters."
        CASE "/M"
            LINE INPUT "Drawing character: "; m$
            IF m$ <> "" THEN mark$ = LEFT$(m$, 1)
        CASE "/S"
            IF lastText$ = "" THEN
                PRINT "There is no banner to save yet."
            ELSE
                OPEN "BANNER.TXT" FOR APPEND AS #1
                ShowBanner lastText$, large, mark$, 1
                CLOSE #1
                PRINT "The banner was added to BANNER.TXT."
            END IF
        CASE ELSE
            PRINT
            ShowBanner text$, large, mark$, 0
            lastText$ = text$
    END SELECT
LOOP
END

' The font: a character code, then the glyph's eight rows from the top.
' The list ends with the code -1.
FontData:
)BAS";

    for (int code = 32; code <= 126; ++code) {
        const char* const* rows = GlyphRows(static_cast<char>(code));
        std::vector<std::string> items{std::to_string(code)};
        for (int row = 0; row < GlyphHeight; ++row) {
            items.push_back(Quoted(rows[row]));
        }
        AppendData(program, items, 96);
    }
    program += "DATA -1\n";

    program += R"BAS(
DEFINT A-Z
FUNCTION Ink (code, x, y)
    ' True when pixel (x, y) of the glyph is ink. Everything outside the
    ' five by eight cell counts as paper.
    IF x < 0 OR x > 4 OR y < 0 OR y >= GlyphRows THEN
        Ink = 0
    ELSE
        Ink = (MID$(glyph$(code, y + 1), x + 1, 1) = "#")
    END IF
END FUNCTION

DEFINT A-Z
SUB LoadFont
    RESTORE FontData
    DO
        READ code
        IF code < 0 THEN EXIT DO
        FOR row = 1 TO GlyphRows
            READ glyph$(code, row)
        NEXT row
    LOOP
END SUB

DEFINT A-Z
SUB ShowBanner (text$, large, mark$, fileNumber)
    ' Prints the text as a banner on the screen (fileNumber 0) or into an
    ' open file. Text that is too long for one banner line is continued
    ' on the next.
    IF large THEN
        perLine = 6
        height = 2 * GlyphRows
    ELSE
        perLine = 13
        height = GlyphRows
    END IF
    FOR start = 1 TO LEN(text$) STEP perLine
        piece$ = MID$(text$, start, perLine)
        FOR row = 0 TO height - 1
            rowText$ = ""
            FOR i = 1 TO LEN(piece$)
                code = ASC(MID$(piece$, i, 1))
                IF code < FirstCode OR code > LastCode THEN code = ASC("?")
                FOR x = 0 TO 4
                    IF large THEN
                        rowText$ = rowText$ + Smooth$(code, x, row \ 2, row MOD 2, mark$)
                    ELSEIF Ink(code, x, row) THEN
                        rowText$ = rowText$ + mark$
                    ELSE
                        rowText$ = rowText$ + " "
                    END IF
                NEXT x
                IF large THEN rowText$ = rowText$ + "  " ELSE rowText$ = rowText$ + " "
            NEXT i
            IF fileNumber = 0 THEN
                PRINT RTRIM$(rowText$)
            ELSE
                PRINT #fileNumber, RTRIM$(rowText$)
            END IF
        NEXT row
        IF fileNumber = 0 THEN PRINT ELSE PRINT #fileNumber, ""
    NEXT start
END SUB

DEFINT A-Z
FUNCTION Smooth$ (code, x, y, half, mark$)
    ' One row (half 0 = upper, 1 = lower) of the 2 x 2 block that stands
    ' for font pixel (x, y). A corner of the block takes the colour of its
    ' two outer neighbours when they agree and the other two differ, which
    ' rounds off the steps of diagonal strokes.
    p = Ink(code, x, y)
    a = Ink(code, x, y - 1)
    b = Ink(code, x + 1, y)
    c = Ink(code, x - 1, y)
    d = Ink(code, x, y + 1)
    first = p
    second = p
    IF half = 0 THEN
        IF c = a AND c <> d AND a <> b THEN first = a
        IF a = b AND a <> c AND b <> d THEN second = b
    ELSE
        IF d = c AND d <> b AND c <> a THEN first = c
        IF b = d AND b <> a AND d <> c THEN second = d
    END IF
    Smooth$ = MID$(" " + mark$, 1 - first, 1) + MID$(" " + mark$, 1 - second, 1)
END FUNCTION
)BAS";
    return program;
}

} // namespace payload
