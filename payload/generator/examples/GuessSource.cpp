#include "ExampleSources.h"

namespace payload {

std::string GuessSource()
{
    return R"BAS(' GUESS.BAS - guess the number
'
' The computer thinks of a whole number and tells you after each guess
' whether its number is higher or lower. The fewer guesses you need,
' the better your place on the table of best scores, which lasts until
' you leave the program.
'
' Things to try: change TableSize, or add a level with a larger range.

DECLARE FUNCTION AskNumber% (prompt$, low%, high%)
DECLARE SUB AddScore (who$, tries%)
DECLARE SUB ShowTable ()

DEFINT A-Z
CONST TableSize = 5

DIM SHARED bestName$(1 TO TableSize), bestTries(1 TO TableSize)

FOR i = 1 TO TableSize
    bestName$(i) = "-----"
    bestTries(i) = 99
NEXT i

RANDOMIZE TIMER
CLS
PRINT "GUESS THE NUMBER"
PRINT "================"
PRINT
PRINT "I am thinking of a whole number. Find it with as few guesses as"
PRINT "you can. After each guess I tell you whether my number is higher"
PRINT "or lower."

DO
    PRINT
    PRINT "Levels:  1 = from 1 to 50   2 = from 1 to 100   3 = from 1 to 1000"
    level = AskNumber("Which level", 1, 3)
    SELECT CASE level
        CASE 1
            top = 50
        CASE 2
            top = 100
        CASE ELSE
            top = 1000
    END SELECT

    secret = INT(RND * top) + 1
    tries = 0
    low = 1
    high = top
    PRINT
    PRINT "My number lies between 1 and"; top; "."
    DO
        guess = AskNumber("Your guess", 1, top)
        tries = tries + 1
        IF guess < secret THEN
            PRINT "   My number is higher than"; guess; "."
            IF guess >= low THEN low = guess + 1
        ELSEIF guess > secret THEN
            PRINT "   My number is lower than"; guess; "."
            IF guess <= high THEN high = guess - 1
        END IF
        IF guess <> secret AND tries MOD 5 = 0 THEN
            PRINT "   A hint: it lies between"; low; "and"; high; "."
        END IF
    LOOP UNTIL guess = secret

    PRINT
    PRINT "Right! The number was"; secret; "and you needed"; tries; "guesses."
    ' Halving the range with every guess finds any number in this many.
    perfect = INT(LOG(top) / LOG(2)) + 1
    IF tries <= perfect THEN
        PRINT "That is as good as a perfect search."
    ELSE
        PRINT "Halving the range each time needs at most"; perfect; "guesses."
    END IF

    IF tries < bestTries(TableSize) THEN
        PRINT
        LINE INPUT "You made the table of best scores! Your name: "; who$
        IF who$ = "" THEN who$ = "Anonymous"
        AddScore LEFT$(who$, 20), tries
    END IF
    ShowTable

    PRINT
    INPUT "Play again (Y/N)"; answer$
LOOP WHILE UCASE$(LEFT$(answer$, 1)) = "Y"

PRINT
PRINT "Thanks for playing."
END

DEFINT A-Z
SUB AddScore (who$, tries)
    ' Keeps the table sorted, fewest guesses first; a new score goes
    ' below older scores with the same number of guesses.
    place = TableSize
    DO WHILE place > 1
        IF bestTries(place - 1) <= tries THEN EXIT DO
        place = place - 1
    LOOP
    FOR i = TableSize TO place + 1 STEP -1
        bestName$(i) = bestName$(i - 1)
        bestTries(i) = bestTries(i - 1)
    NEXT i
    bestName$(place) = who$
    bestTries(place) = tries
END SUB

DEFINT A-Z
FUNCTION AskNumber (prompt$, low, high)
    ' Asks until the answer is a whole number from low to high.
    DO
        PRINT prompt$; " ("; LTRIM$(STR$(low)); "-"; LTRIM$(STR$(high)); ")";
        INPUT answer$
        number! = VAL(answer$)
        ok = (number! >= low AND number! <= high AND number! = INT(number!))
        IF NOT ok THEN PRINT "   Please type a whole number from"; low; "to"; high; "."
    LOOP UNTIL ok
    AskNumber = number!
END FUNCTION

DEFINT A-Z
SUB ShowTable
    PRINT
    PRINT "BEST SCORES"
    PRINT "-----------"
    FOR i = 1 TO TableSize
        IF bestTries(i) < 99 THEN
            PRINT USING "##. \                  \ ## guesses"; i; bestName$(i); bestTries(i)
        END IF
    NEXT i
END SUB
)BAS";
}

} // namespace payload
