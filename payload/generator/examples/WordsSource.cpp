#include "ExampleSources.h"

#include "BasicData.h"

#include <set>
#include <sstream>
#include <vector>

namespace payload {
namespace {

// Everyday words of four to eleven letters, grouped loosely by theme.
const char* const WordList =
    "apple banana cherry grape lemon melon orange peach pear plum apricot raisin walnut almond "
    "bread butter cheese cookie honey pepper pickle pizza sugar toast yogurt pancake noodle carrot "
    "celery garlic onion potato radish spinach tomato turnip cabbage lettuce mushroom pumpkin "
    "badger beaver camel donkey eagle falcon giraffe hamster jaguar koala lizard monkey otter "
    "panda parrot pelican penguin rabbit salmon spider squirrel tiger turtle walrus weasel zebra "
    "dolphin octopus lobster sparrow swallow pigeon buffalo cheetah gorilla hedgehog kangaroo "
    "anchor bridge castle chimney cottage garden harbor island lantern meadow mountain palace "
    "pyramid river school station temple theater tower tunnel valley village window doorway "
    "basket blanket bottle bucket button candle carpet ceiling cushion drawer hammer kettle "
    "ladder mirror needle pillow pocket saucer scissors shovel spoon teapot thimble umbrella "
    "wallet whistle zipper compass magnet pencil crayon eraser ruler stapler notebook envelope "
    "autumn winter spring summer morning evening midnight sunrise sunset weekend holiday "
    "thunder lightning rainbow blizzard breeze cloud drizzle frost hailstone puddle shower "
    "storm sunshine tornado weather meteor planet comet galaxy nebula rocket orbit crater "
    "bicycle canoe engine ferry glider helmet jeep kayak motor paddle sailboat scooter sledge "
    "subway tractor trailer trolley wagon yacht airport ticket journey luggage passport "
    "guitar piano violin trumpet drum flute harp banjo cello organ trombone clarinet melody "
    "rhythm chorus concert ballet painter sculptor poet author actor dancer juggler magician "
    "baker butcher farmer fisher gardener plumber sailor soldier tailor teacher doctor nurse "
    "pilot ranger miner weaver potter builder carpenter chemist dentist lawyer mechanic "
    "alphabet answer bubble circle puzzle riddle secret shadow signal silence sparkle spiral "
    "square symbol triangle whisper wonder zigzag balance courage freedom harmony justice "
    "kindness patience promise reason science wisdom comfort victory mystery fortune "
    "copper silver golden marble granite crystal diamond emerald pearl ruby sapphire amber "
    "velvet cotton linen leather ribbon thread button zipper wool canvas denim satin "
    "keyboard monitor printer program compiler diskette modem screen cursor memory "
    "basement cellar kitchen bedroom hallway attic balcony garage pantry porch staircase "
    "forest jungle desert prairie canyon glacier volcano lagoon marsh meadow orchard "
    "bakery library museum market office stadium factory hospital hotel studio workshop "
    "acorn blossom branch bramble clover daisy fern heather ivy lilac lily maple moss "
    "nettle oak orchid poppy rose thistle tulip violet willow bamboo cactus sunflower "
    "giant dragon wizard goblin knight princess castle treasure fairy unicorn mermaid "
    "captain pirate island parrot cannon compass voyage shipwreck lighthouse harbor "
    "breakfast dinner supper picnic feast dessert muffin pudding sandwich biscuit omelet";

} // namespace

std::string WordsSource()
{
    std::string program = R"BAS(' WORDS.BAS - find the hidden word before all your balloons pop
'
' The computer picks a word from the list at the end of this program
' and shows a dash for every letter. Type letters to uncover the word.
' Every letter that is not in the word pops one of your seven balloons.
'
' You can add your own words to the DATA lines at the end; keep the
' "*" that marks the end of the list.

DECLARE SUB ShowState (shown$, missed$, balloons%, note$)
DECLARE FUNCTION WaitKey$ ()

DEFINT A-Z
CONST MaxBalloons = 7

' Count the words once.
RESTORE WordList
wordCount = 0
DO
    READ entry$
    IF entry$ = "*" THEN EXIT DO
    wordCount = wordCount + 1
LOOP

RANDOMIZE TIMER
won = 0
lost = 0
DO
    ' Fetch a random word from the list.
    RESTORE WordList
    FOR i = 1 TO INT(RND * wordCount) + 1
        READ secret$
    NEXT i
    secret$ = UCASE$(secret$)
    shown$ = STRING$(LEN(secret$), "-")
    missed$ = ""
    balloons = MaxBalloons
    note$ = "Type a letter. Esc gives up."

    DO
        ShowState shown$, missed$, balloons, note$
        k$ = UCASE$(WaitKey$)
        IF k$ = CHR$(27) THEN EXIT DO
        IF LEN(k$) = 1 AND k$ >= "A" AND k$ <= "Z" THEN
            IF INSTR(shown$ + missed$, k$) > 0 THEN
                note$ = "You tried " + k$ + " before."
            ELSEIF INSTR(secret$, k$) > 0 THEN
                hits = 0
                FOR i = 1 TO LEN(secret$)
                    IF MID$(secret$, i, 1) = k$ THEN
                        MID$(shown$, i, 1) = k$
                        hits = hits + 1
                    END IF
                NEXT i
                IF hits = 1 THEN
                    note$ = "Yes, there is one " + k$ + "."
                ELSE
                    note$ = "Yes, there are" + STR$(hits) + " of them."
                END IF
            ELSE
                missed$ = missed$ + k$
                balloons = balloons - 1
                note$ = "No " + k$ + " in this word. Pop!"
                SOUND 220, 1
            END IF
        ELSE
            note$ = "Please type a letter from A to Z."
        END IF
    LOOP UNTIL balloons = 0 OR shown$ = secret$

    IF shown$ = secret$ THEN
        won = won + 1
        ShowState shown$, missed$, balloons, "Well done! You found the word."
    ELSE
        lost = lost + 1
        ShowState secret$, missed$, balloons, "The word was " + secret$ + "."
    END IF
    LOCATE 19, 10
    PRINT "Words found:"; won; "   Words missed:"; lost
    LOCATE 21, 10
    PRINT "Another word (Y/N)? ";
    k$ = UCASE$(WaitKey$)
LOOP WHILE k$ = "Y"

CLS
END

' The words, in lower case. The list ends with "*".
WordList:
)BAS";

    std::vector<std::string> items;
    std::istringstream words(WordList);
    std::set<std::string> seen;
    std::string word;
    while (words >> word) {
        if (seen.insert(word).second) {
            items.push_back(Quoted(word));
        }
    }
    items.push_back(Quoted("*"));
    AppendData(program, items);

    program += R"BAS(
DEFINT A-Z
SUB ShowState (shown$, missed$, balloons, note$)
    ' Draws the balloons that are left, the word so far, the letters
    ' that missed and a note about the last letter.
    CLS
    COLOR 15
    LOCATE 2, 10
    PRINT "H I D D E N   W O R D"
    FOR i = 1 TO MaxBalloons
        x = 4 + i * 8
        IF i <= balloons THEN
            COLOR 9 + (i MOD 6)
            LOCATE 4, x: PRINT " __ "
            LOCATE 5, x: PRINT "/  \"
            LOCATE 6, x: PRINT "\__/"
            COLOR 7
            LOCATE 7, x + 1: PRINT ")"
            LOCATE 8, x + 1: PRINT "("
        ELSE
            COLOR 8
            LOCATE 5, x: PRINT "\ | /"
            LOCATE 6, x: PRINT "- * -"
            LOCATE 8, x + 1: PRINT "("
        END IF
    NEXT i
    COLOR 14
    LOCATE 11, 10
    PRINT "Word:   ";
    FOR i = 1 TO LEN(shown$)
        PRINT MID$(shown$, i, 1); " ";
    NEXT i
    COLOR 7
    LOCATE 13, 10
    PRINT "Missed: "; missed$
    LOCATE 15, 10
    PRINT note$
END SUB

DEFINT A-Z
FUNCTION WaitKey$
    ' Waits for a key and returns it.
    DO
        k$ = INKEY$
    LOOP WHILE k$ = ""
    WaitKey$ = k$
END FUNCTION
)BAS";
    return program;
}

} // namespace payload
