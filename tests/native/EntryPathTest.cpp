#include "engine/EntryPath.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(EntryPath, FolderPrefixesAreCumulativeForBothSeparators)
{
    using List = std::vector<std::u16string>;
    const struct {
        const char16_t* name;
        List prefixes;
    } cases[] = {
        {u"qb45\\INC\\ADVR_EX\\CALL_EX.BAS", {u"qb45\\", u"qb45\\INC\\", u"qb45\\INC\\ADVR_EX\\"}},
        {u"qb45/INC/ADVR_EX/CALL_EX.BAS", {u"qb45\\", u"qb45\\INC\\", u"qb45\\INC\\ADVR_EX\\"}},
        {u"qbx\\BIN/QBX.EXE", {u"qbx\\", u"qbx\\BIN\\"}},
        {u"TOP.TXT", {}},
        {u"qb45\\INC\\", {u"qb45\\", u"qb45\\INC\\"}},
        {u"a\\\\b\\c.txt", {u"a\\"}}, // the first empty field ends the list
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderPrefixes(c.name), c.prefixes);
}

TEST(EntryPath, NamesThatWouldLeaveTheTargetAreUnsafe)
{
    const struct {
        const char16_t* name;
        bool safe;
    } cases[] = {
        {u"qb45\\QB.EXE", true},
        {u"EXAMPLES/GUESS.BAS", true},
        {u"a..b\\c", true},
        {u"..\\evil.txt", false},
        {u"qb45\\..\\..\\evil.txt", false},
        {u"qb45/../evil", false},
        {u"..", false},
        {u"\\Windows\\evil.dll", false},
        {u"/etc/evil", false},
        {u"C:\\evil.txt", false},
        {u"C:evil.txt", false},
        {u"qb45\\QB.EXE:stream", false},
        {u"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsSafeEntryName(c.name), c.safe) << std::string(c.name, c.name + std::char_traits<char16_t>::length(c.name));
}

} // namespace
} // namespace tarnwick
