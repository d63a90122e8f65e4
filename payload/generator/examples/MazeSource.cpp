#include "ExampleSources.h"

#include "../Prng.h"
#include "BasicData.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace payload {
namespace {

// A perfect maze (exactly one way between any two places) made by a depth-first walk that knocks
// down walls, in a grid of (2 * cellsWide + 1) x (2 * cellsHigh + 1) characters. S is the start in the
// top left cell, E the exit in the bottom right, and gems lie in some dead ends.
std::vector<std::string> CarveMaze(int cellsWide, int cellsHigh, int gems, Prng& prng)
{
    std::vector<std::string> grid(static_cast<std::size_t>(2 * cellsHigh + 1),
                                  std::string(static_cast<std::size_t>(2 * cellsWide + 1), '#'));
    auto at = [&](int x, int y) -> char& { return grid[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]; };
    std::vector<std::pair<int, int>> stack{{0, 0}};
    at(1, 1) = '.';
    const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    while (!stack.empty()) {
        auto [cx, cy] = stack.back();
        std::vector<int> open;
        for (int d = 0; d < 4; ++d) {
            int nx = cx + steps[d][0];
            int ny = cy + steps[d][1];
            if (nx >= 0 && nx < cellsWide && ny >= 0 && ny < cellsHigh && at(2 * nx + 1, 2 * ny + 1) == '#') {
                open.push_back(d);
            }
        }
        if (open.empty()) {
            stack.pop_back();
            continue;
        }
        int d = open[prng.Below(static_cast<std::uint32_t>(open.size()))];
        int nx = cx + steps[d][0];
        int ny = cy + steps[d][1];
        at(2 * cx + 1 + steps[d][0], 2 * cy + 1 + steps[d][1]) = '.';
        at(2 * nx + 1, 2 * ny + 1) = '.';
        stack.push_back({nx, ny});
    }

    std::vector<std::pair<int, int>> deadEnds;
    for (int y = 0; y < cellsHigh; ++y) {
        for (int x = 0; x < cellsWide; ++x) {
            int walls = 0;
            for (const auto& step : steps) {
                walls += at(2 * x + 1 + step[0], 2 * y + 1 + step[1]) == '#' ? 1 : 0;
            }
            bool corner = (x == 0 && y == 0) || (x == cellsWide - 1 && y == cellsHigh - 1);
            if (walls == 3 && !corner) {
                deadEnds.push_back({x, y});
            }
        }
    }
    for (int i = 0; i < gems && !deadEnds.empty(); ++i) {
        std::size_t pick = prng.Below(static_cast<std::uint32_t>(deadEnds.size()));
        at(2 * deadEnds[pick].first + 1, 2 * deadEnds[pick].second + 1) = '*';
        deadEnds.erase(deadEnds.begin() + static_cast<std::ptrdiff_t>(pick));
    }
    at(1, 1) = 'S';
    at(2 * cellsWide - 1, 2 * cellsHigh - 1) = 'E';
    return grid;
}

std::string MazeTitle(Prng& prng)
{
    static const char* const adjectives[] = {"Winding", "Crooked", "Quiet", "Forgotten", "Narrow", "Hidden",
                                             "Tangled", "Dusty", "Mossy", "Frozen", "Sunken", "Endless",
                                             "Twisting", "Silent", "Shady", "Misty"};
    static const char* const places[] = {"Cellar", "Garden", "Passage", "Library", "Orchard", "Tunnels",
                                         "Hedges", "Catacombs", "Corridors", "Cave", "Vaults", "Alleys",
                                         "Courtyard", "Mine", "Labyrinth", "Stacks"};
    return std::string("The ") + prng.Pick(adjectives) + " " + prng.Pick(places);
}

} // namespace

std::string MazeSource(int mazes)
{
    std::string program = R"BAS(' MAZE.BAS - walk through a series of mazes
'
' Guide the smiling face from the start of each maze to its exit (E)
' with the cursor keys. Gems lie in some dead ends: each one is worth
' 25 points, every step costs one, and every maze solved brings 100.
' The mazes grow larger as you go.
'
' The mazes are kept in the DATA lines at the end: a title, the number
' of rows, then the rows, "#" for wall, "." for floor, "S" for the
' start, "E" for the exit and "*" for a gem. Add mazes of your own in
' the same way; each must be walled all around, at most 21 rows high
' and 79 columns wide.

DECLARE SUB DrawMaze ()
DECLARE SUB LoadMaze (number%)
DECLARE SUB ShowStatus ()

DEFINT A-Z
CONST MaxRows = 21

DIM SHARED grid$(1 TO MaxRows), rowCount, mazeTitle$, mazeNumber
DIM SHARED px, py, gems, score AS LONG, steps AS LONG

' Count the mazes.
RESTORE Mazes
mazeCount = 0
DO
    READ mazeTitle$, rowCount
    IF rowCount = 0 THEN EXIT DO
    FOR i = 1 TO rowCount
        READ rowText$
    NEXT i
    mazeCount = mazeCount + 1
LOOP

CLS
PRINT "MAZE WALKER"
PRINT
PRINT "There are"; mazeCount; "mazes, from small to large."
DO
    PRINT "Start with maze number (1 to"; mazeCount; ")";
    INPUT answer$
    start! = VAL(answer$)
LOOP UNTIL start! >= 1 AND start! <= mazeCount
mazeNumber = CINT(start!)

score = 0
DO
    LoadMaze mazeNumber
    DrawMaze
    target$ = ""
    DO
        ShowStatus
        DO
            k$ = INKEY$
        LOOP WHILE k$ = ""
        dx = 0
        dy = 0
        SELECT CASE k$
            CASE CHR$(0) + "H"
                dy = -1
            CASE CHR$(0) + "P"
                dy = 1
            CASE CHR$(0) + "K"
                dx = -1
            CASE CHR$(0) + "M"
                dx = 1
            CASE CHR$(27)
                EXIT DO
        END SELECT
        IF dx <> 0 OR dy <> 0 THEN
            target$ = MID$(grid$(py + dy), px + dx, 1)
            IF target$ <> "#" THEN
                LOCATE py + 1, px
                PRINT " ";
                px = px + dx
                py = py + dy
                steps = steps + 1
                score = score - 1
                IF target$ = "*" THEN
                    score = score + 25
                    gems = gems + 1
                    MID$(grid$(py), px, 1) = "."
                    SOUND 880, 1
                END IF
                COLOR 14
                LOCATE py + 1, px
                PRINT CHR$(2);
                COLOR 7
            END IF
        END IF
    LOOP UNTIL target$ = "E"
    IF k$ = CHR$(27) THEN EXIT DO

    score = score + 100
    SOUND 523, 2
    SOUND 659, 2
    SOUND 784, 4
    LOCATE 24, 1
    PRINT SPACE$(79);
    LOCATE 24, 1
    IF mazeNumber = mazeCount THEN
        PRINT "You have walked through every maze! Press a key.";
    ELSE
        PRINT "Maze solved in"; steps; "steps. Press a key for the next one.";
    END IF
    DO
    LOOP WHILE INKEY$ = ""
    mazeNumber = mazeNumber + 1
LOOP WHILE mazeNumber <= mazeCount

CLS
PRINT "Final score:"; score
END

' The mazes. The list ends with a maze of zero rows.
Mazes:
)BAS";

    Prng prng(Prng::SeedFromText("MAZE.BAS"));
    for (int i = 0; i < mazes; ++i) {
        // Sizes grow from 12 x 5 cells to the 39 x 10 that fill the screen.
        int cellsWide = std::min(39, 12 + i * 27 / std::max(1, mazes / 2));
        int cellsHigh = std::min(10, 5 + i * 5 / std::max(1, mazes / 2));
        int gems = 2 + cellsWide * cellsHigh / 40;
        std::vector<std::string> grid = CarveMaze(cellsWide, cellsHigh, gems, prng);
        program += "DATA " + Quoted(MazeTitle(prng)) + ", " + std::to_string(grid.size()) + "\n";
        for (const std::string& row : grid) {
            program += "DATA " + Quoted(row) + "\n";
        }
    }
    program += "DATA \"\", 0\n";

    program += R"BAS(
DEFINT A-Z
SUB DrawMaze
    CLS
    COLOR 15
    LOCATE 1, 1
    PRINT "Maze"; mazeNumber; "- "; mazeTitle$
    FOR r = 1 TO rowCount
        LOCATE r + 1, 1
        FOR c = 1 TO LEN(grid$(r))
            SELECT CASE MID$(grid$(r), c, 1)
                CASE "#"
                    COLOR 9
                    PRINT CHR$(219);
                CASE "*"
                    COLOR 14
                    PRINT CHR$(4);
                CASE "E"
                    COLOR 10
                    PRINT "E";
                CASE ELSE
                    PRINT " ";
            END SELECT
        NEXT c
    NEXT r
    COLOR 14
    LOCATE py + 1, px
    PRINT CHR$(2);
    COLOR 7
END SUB

DEFINT A-Z
SUB LoadMaze (number)
    ' Reads maze number from the DATA lines and finds its start.
    RESTORE Mazes
    FOR i = 1 TO number
        READ mazeTitle$, rowCount
        FOR r = 1 TO rowCount
            READ grid$(r)
        NEXT r
    NEXT i
    FOR r = 1 TO rowCount
        c = INSTR(grid$(r), "S")
        IF c > 0 THEN
            px = c
            py = r
            MID$(grid$(r), c, 1) = "."
        END IF
    NEXT r
    steps = 0
    gems = 0
END SUB

DEFINT A-Z
SUB ShowStatus
    COLOR 7
    LOCATE 24, 1
    PRINT USING "Score ######   Steps #####   Gems ###   Esc quits"; score; steps; gems;
END SUB
)BAS";
    return program;
}

} // namespace payload
