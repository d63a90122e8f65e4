#include "ExampleSources.h"

#include "../Prng.h"
#include "BasicData.h"

#include <algorithm>
#include <vector>

namespace payload {
namespace {

struct Entry {
    int year, month, day;
    std::string category;
    double amount;
    std::string note;
};

const char* const Categories[] = {"Salary", "Rent", "Groceries", "Energy", "Phone", "Transport", "Insurance",
                                  "Health", "Clothing", "Leisure", "Gifts", "Savings", "Other"};

int DaysIn(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return days[month - 1] + (month == 2 && leap ? 1 : 0);
}

double Cents(double value) { return static_cast<double>(static_cast<long long>(value * 100.0 + (value < 0 ? -0.5 : 0.5))) / 100.0; }

// A plausible year of a household's accounts: fixed monthly items plus shopping, travel and the odd
// larger expense.
std::vector<Entry> MakeYear(int year, Prng& prng)
{
    static const char* const shops[] = {"Weekly shop", "Market stall", "Bakery", "Corner shop", "Butcher",
                                        "Fruit and vegetables", "Supermarket", "Cheese counter", "Fish van"};
    static const char* const trips[] = {"Bus pass", "Petrol", "Train to town", "Taxi home", "Bicycle repair",
                                        "Parking", "Train to the coast", "Tyres"};
    static const char* const fun[] = {"Cinema", "Books", "Concert tickets", "Swimming pool", "Restaurant",
                                      "Museum", "Board game", "Football match", "Records", "Garden centre"};
    static const char* const clothes[] = {"Winter coat", "Shoes", "Jeans", "Shirts", "Rain jacket", "Socks",
                                          "School uniform", "Boots"};
    static const char* const health[] = {"Pharmacy", "Dentist", "Optician", "Vitamins", "Physiotherapy"};
    static const char* const other[] = {"Hardware store", "Post office", "Haircut", "Window cleaner",
                                        "Library fine", "Paint for the hall", "Light bulbs", "Vet"};

    std::vector<Entry> entries;
    double salary = 2380.0 + (year % 10) * 45.0;
    for (int month = 1; month <= 12; ++month) {
        int days = DaysIn(year, month);
        entries.push_back({year, month, 1, "Rent", -780.0, "Flat, " + std::to_string(month) + "/" + std::to_string(year)});
        entries.push_back({year, month, std::min(28, days), "Salary", salary, "Pay"});
        entries.push_back({year, month, 5, "Savings", -200.0, "Standing order"});
        entries.push_back({year, month, 12, "Energy", -Cents(48 + prng.Unit() * (month < 4 || month > 10 ? 70 : 25)),
                           month % 2 ? "Electricity" : "Gas"});
        entries.push_back({year, month, 18, "Phone", -Cents(21 + prng.Unit() * 19), "Telephone bill"});
        if (month % 3 == 1) {
            entries.push_back({year, month, 3, "Insurance", -Cents(96.5), "Home and contents"});
        }
        for (int day = 1 + static_cast<int>(prng.Below(3)); day <= days; day += 2 + static_cast<int>(prng.Below(3))) {
            entries.push_back({year, month, day, "Groceries", -Cents(6 + prng.Unit() * prng.Unit() * 110), prng.Pick(shops)});
        }
        for (int n = prng.Between(3, 7); n > 0; --n) {
            entries.push_back({year, month, prng.Between(1, days), "Transport", -Cents(2 + prng.Unit() * 48), prng.Pick(trips)});
        }
        for (int n = prng.Between(2, 5); n > 0; --n) {
            entries.push_back({year, month, prng.Between(1, days), "Leisure", -Cents(5 + prng.Unit() * 60), prng.Pick(fun)});
        }
        if (prng.Chance(0.5)) {
            entries.push_back({year, month, prng.Between(1, days), "Clothing", -Cents(12 + prng.Unit() * 120), prng.Pick(clothes)});
        }
        if (prng.Chance(0.35)) {
            entries.push_back({year, month, prng.Between(1, days), "Health", -Cents(4 + prng.Unit() * 80), prng.Pick(health)});
        }
        for (int n = prng.Between(1, 3); n > 0; --n) {
            entries.push_back({year, month, prng.Between(1, days), "Other", -Cents(3 + prng.Unit() * 45), prng.Pick(other)});
        }
        if (month == 12) {
            for (int n = 0; n < 5; ++n) {
                entries.push_back({year, month, prng.Between(5, 23), "Gifts", -Cents(10 + prng.Unit() * 55), "Christmas presents"});
            }
        } else if (prng.Chance(0.3)) {
            entries.push_back({year, month, prng.Between(1, days), "Gifts", -Cents(8 + prng.Unit() * 40), "Birthday present"});
        }
        if (month == 6 || month == 12) {
            entries.push_back({year, month, 15, "Salary", Cents(salary * 0.5), "Bonus"});
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.month != b.month ? a.month < b.month : a.day < b.day; });
    return entries;
}

} // namespace

std::string LedgerSource(int years)
{
    std::string program = R"BAS(' LEDGER.BAS - a household account book
'
' The DATA lines at the end hold sample entries of a household's
' accounts: year, month and day, a category, the amount (negative for
' money spent) and a note. The program reads them one after another
' and shows a summary per month, the totals per category as a bar
' chart, the entries of one month, or the entries whose note contains
' a word. Replace the sample entries with your own to keep your
' accounts; keep the closing line with the year 0.

DECLARE FUNCTION CategoryIndex% (category$)
DECLARE SUB CategoryTotals (year%)
DECLARE SUB ListMonth (year%, month%)
DECLARE SUB MonthlySummary (year%)
DECLARE SUB SearchNotes (word$)
DECLARE SUB WaitForKey ()

DEFINT A-Z
CONST MaxCategories = 20

DIM SHARED categoryName$(1 TO MaxCategories), categoryCount
DIM SHARED monthName$(1 TO 12)

RESTORE CategoryList
DO
    READ c$
    IF c$ = "" THEN EXIT DO
    categoryCount = categoryCount + 1
    categoryName$(categoryCount) = c$
LOOP
FOR m = 1 TO 12
    READ monthName$(m)
NEXT m

' Find the years that the entries cover.
firstYear = 9999
lastYear = 0
entryCount = 0
RESTORE Entries
DO
    READ y, m, d, category$, amount#, note$
    IF y = 0 THEN EXIT DO
    IF y < firstYear THEN firstYear = y
    IF y > lastYear THEN lastYear = y
    entryCount = entryCount + 1
LOOP
IF entryCount = 0 THEN
    PRINT "There are no entries."
    END
END IF

year = lastYear
DO
    CLS
    PRINT "LEDGER - household accounts"
    PRINT
    PRINT entryCount; "entries from"; firstYear; "to"; lastYear; "."
    PRINT "Year shown:"; year
    PRINT
    PRINT "  1  Summary per month"
    PRINT "  2  Totals per category"
    PRINT "  3  Entries of one month"
    PRINT "  4  Search the notes"
    PRINT "  5  Choose another year"
    PRINT "  Q  Quit"
    PRINT
    PRINT "Your choice: ";
    DO
        choice$ = UCASE$(INKEY$)
    LOOP WHILE choice$ = ""
    PRINT choice$
    SELECT CASE choice$
        CASE "1"
            MonthlySummary year
        CASE "2"
            CategoryTotals year
        CASE "3"
            INPUT "Month (1 to 12)"; m
            IF m >= 1 AND m <= 12 THEN ListMonth year, m
        CASE "4"
            LINE INPUT "Word to look for: "; word$
            IF word$ <> "" THEN SearchNotes word$
        CASE "5"
            INPUT "Year"; y
            IF y >= firstYear AND y <= lastYear THEN year = y
        CASE "Q", CHR$(27)
            EXIT DO
    END SELECT
LOOP
CLS
END

' The categories (ending with an empty name) and the months.
CategoryList:
)BAS";

    std::vector<std::string> items;
    for (const char* category : Categories) {
        items.push_back(Quoted(category));
    }
    items.push_back(Quoted(""));
    AppendData(program, items);
    items.clear();
    for (const char* month : {"January", "February", "March", "April", "May", "June", "July", "August",
                              "September", "October", "November", "December"}) {
        items.push_back(Quoted(month));
    }
    AppendData(program, items);

    program += "\n' The entries: year, month, day, category, amount, note.\nEntries:\n";
    Prng prng(Prng::SeedFromText("LEDGER.BAS"));
    for (int year = 1994; year < 1994 + years; ++year) {
        for (const Entry& entry : MakeYear(year, prng)) {
            program += "DATA " + std::to_string(entry.year) + ", " + std::to_string(entry.month) + ", " +
                       std::to_string(entry.day) + ", " + Quoted(entry.category) + ", " + Decimal(entry.amount, 2) +
                       ", " + Quoted(entry.note) + "\n";
        }
    }
    program += "DATA 0, 0, 0, \"\", 0, \"\"\n";

    program += R"BAS(
DEFINT A-Z
FUNCTION CategoryIndex (category$)
    ' The number of the category; unknown names count as the last one.
    FOR i = 1 TO categoryCount
        IF categoryName$(i) = category$ THEN
            CategoryIndex = i
            EXIT FUNCTION
        END IF
    NEXT i
    CategoryIndex = categoryCount
END FUNCTION

DEFINT A-Z
SUB CategoryTotals (year)
    ' Adds up every category over the year and draws a bar for each,
    ' green for money coming in and red for money going out.
    DIM total#(1 TO MaxCategories)
    RESTORE Entries
    DO
        READ y, m, d, category$, amount#, note$
        IF y = 0 THEN EXIT DO
        IF y = year THEN
            c = CategoryIndex(category$)
            total#(c) = total#(c) + amount#
        END IF
    LOOP
    largest# = 0
    FOR c = 1 TO categoryCount
        IF ABS(total#(c)) > largest# THEN largest# = ABS(total#(c))
    NEXT c
    CLS
    PRINT "Totals per category for"; year
    PRINT
    FOR c = 1 TO categoryCount
        PRINT USING "\          \ ###,###.## "; categoryName$(c); total#(c);
        IF largest# > 0 THEN
            bar = INT(ABS(total#(c)) / largest# * 40 + .5)
            IF total#(c) < 0 THEN COLOR 12 ELSE COLOR 10
            PRINT STRING$(bar, 219)
            COLOR 7
        ELSE
            PRINT
        END IF
    NEXT c
    WaitForKey
END SUB

DEFINT A-Z
SUB ListMonth (year, month)
    ' Lists every entry of the month with the balance after it.
    CLS
    PRINT monthName$(month); year
    PRINT
    balance# = 0
    shown = 0
    RESTORE Entries
    DO
        READ y, m, d, category$, amount#, note$
        IF y = 0 THEN EXIT DO
        IF y = year AND m = month THEN
            balance# = balance# + amount#
            PRINT USING "## \          \ \                     \ ##,###.## ###,###.##"; d; category$; note$; amount#; balance#
            shown = shown + 1
            IF shown MOD 20 = 0 THEN WaitForKey
        END IF
    LOOP
    PRINT
    PRINT shown; "entries."
    WaitForKey
END SUB

DEFINT A-Z
SUB MonthlySummary (year)
    ' Income, spending and balance of every month of the year, and the
    ' balance carried from month to month.
    DIM income#(1 TO 12), spending#(1 TO 12)
    RESTORE Entries
    DO
        READ y, m, d, category$, amount#, note$
        IF y = 0 THEN EXIT DO
        IF y = year THEN
            IF amount# >= 0 THEN
                income#(m) = income#(m) + amount#
            ELSE
                spending#(m) = spending#(m) - amount#
            END IF
        END IF
    LOOP
    CLS
    PRINT "Summary per month for"; year
    PRINT
    PRINT "Month             Income    Spending     Balance     Carried"
    PRINT STRING$(62, "-")
    carried# = 0
    totalIn# = 0
    totalOut# = 0
    FOR m = 1 TO 12
        carried# = carried# + income#(m) - spending#(m)
        totalIn# = totalIn# + income#(m)
        totalOut# = totalOut# + spending#(m)
        PRINT USING "\          \ ###,###.## ###,###.## ###,###.## ###,###.##"; monthName$(m); income#(m); spending#(m); income#(m) - spending#(m); carried#
    NEXT m
    PRINT STRING$(62, "-")
    PRINT USING "Year         ###,###.## ###,###.## ###,###.##"; totalIn#; totalOut#; totalIn# - totalOut#
    WaitForKey
END SUB

DEFINT A-Z
SUB SearchNotes (word$)
    ' Lists the entries of all years whose note or category contains the
    ' word, in capitals or not.
    CLS
    PRINT "Entries that mention "; CHR$(34); word$; CHR$(34)
    PRINT
    found = 0
    sum# = 0
    RESTORE Entries
    DO
        READ y, m, d, category$, amount#, note$
        IF y = 0 THEN EXIT DO
        IF INSTR(UCASE$(note$ + " " + category$), UCASE$(word$)) > 0 THEN
            dateText$ = LTRIM$(STR$(y)) + "-" + RIGHT$(STR$(100 + m), 2) + "-" + RIGHT$(STR$(100 + d), 2)
            PRINT USING "\        \ \          \ \                     \ ##,###.##"; dateText$; category$; note$; amount#
            found = found + 1
            sum# = sum# + amount#
            IF found MOD 20 = 0 THEN WaitForKey
        END IF
    LOOP
    PRINT
    PRINT found; "entries, adding up to"; sum#
    WaitForKey
END SUB

DEFINT A-Z
SUB WaitForKey
    PRINT "-- press a key --";
    DO
    LOOP WHILE INKEY$ = ""
    PRINT
END SUB
)BAS";
    return program;
}

} // namespace payload
