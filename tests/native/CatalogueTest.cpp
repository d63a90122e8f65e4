#include "engine/PackageCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace tarnwick {
namespace {

std::vector<std::u16string> VisitAll(PackageCatalogue& catalogue)
{
    std::vector<std::u16string> keys;
    catalogue.ResetIteration();
    while (catalogue.NextPackage())
        keys.push_back(catalogue.CurrentKey());
    return keys;
}

TEST(PackageCatalogue, KeysFallIntoTheirHashChains)
{
    const struct {
        const char16_t* key;
        std::uint32_t chain;
    } cases[] = {
        {u"qb45_pb.zip", 178}, {u"vbdos_pb.zip", 296}, {u"examples.zip", 380},
        {u"qbx_pb.zip", 413},  {u"qb11_pb.zip", 435},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PackageCatalogue::ChainOf(c.key), c.chain) << std::string(c.key, c.key + std::char_traits<char16_t>::length(c.key));
}

TEST(PackageCatalogue, IteratesInChainOrderAfterStartUp)
{
    PackageCatalogue catalogue = BuildPackageCatalogue();
    const std::vector<std::u16string> expected = {u"qb45_pb.zip", u"vbdos_pb.zip", u"examples.zip", u"qbx_pb.zip",
                                                  u"qb11_pb.zip"};
    EXPECT_EQ(VisitAll(catalogue), expected);
    // Past the end the cursor stays there until the next reset.
    EXPECT_FALSE(catalogue.NextPackage());
    EXPECT_FALSE(catalogue.NextPackage());
    EXPECT_EQ(VisitAll(catalogue), expected);
}

TEST(PackageCatalogue, NewestRecordComesFirstWithinAChain)
{
    // "a" and a key of the same chain: both must be visited, the one added last first.
    PackageCatalogue catalogue;
    std::u16string sameChain;
    for (char16_t c = u'!'; c < 0x3000 && sameChain.empty(); ++c) {
        const std::u16string candidate = {u'b', c};
        if (PackageCatalogue::ChainOf(candidate) == PackageCatalogue::ChainOf(u"a"))
            sameChain = candidate;
    }
    ASSERT_FALSE(sameChain.empty());
    catalogue.AddPackage(u"a");
    catalogue.AddPackage(u"zz-other-chain");
    catalogue.AddPackage(sameChain);
    std::vector<std::u16string> keys = VisitAll(catalogue);
    ASSERT_EQ(keys.size(), 3u);
    const auto posA = std::find(keys.begin(), keys.end(), u"a");
    const auto posSame = std::find(keys.begin(), keys.end(), sameChain);
    EXPECT_EQ(posSame + 1, posA);
}

TEST(PackageCatalogue, RecordsHoldTheirFieldsAndOnlyQuickBasic45StartsSelected)
{
    PackageCatalogue catalogue = BuildPackageCatalogue();
    const struct {
        const char16_t* key;
        const char16_t* folderName;
        const char16_t* startDirectory;
        const char16_t* launchCommand;
        int selected;
    } cases[] = {
        {u"qb11_pb.zip", u"qb11", u"", u"QBASIC", 0}, {u"qb45_pb.zip", u"qb45", u"", u"QB", 1},
        {u"qbx_pb.zip", u"qbx", u"BIN", u"QBX", 0},   {u"vbdos_pb.zip", u"vbdos", u"BIN", u"VBDOS", 0},
        {u"examples.zip", u"EXAMPLE", u"", u"", 0},
    };
    for (const auto& c : cases) {
        InstallPackage* package = catalogue.FindPackage(c.key);
        ASSERT_NE(package, nullptr);
        EXPECT_EQ(package->folderName, c.folderName);
        EXPECT_EQ(package->startDirectory, c.startDirectory);
        EXPECT_EQ(package->launchCommand, c.launchCommand);
        EXPECT_EQ(package->selected, c.selected);
        // Each record covers exactly one zip archive: local header first, end record last.
        ASSERT_NE(package->archiveData, nullptr);
        ASSERT_GT(package->archiveSize, 22);
        const unsigned char* data = package->archiveData;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), 4), std::string("PK\3\4", 4));
        const unsigned char* end = data + package->archiveSize - 22;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(end), 4), std::string("PK\5\6", 4));
    }
}

TEST(PackageCatalogue, LookUpMovesTheCursorAndSelectionChangesOnlyItsRecord)
{
    PackageCatalogue catalogue = BuildPackageCatalogue();
    catalogue.ResetIteration();
    catalogue.NextPackage();
    catalogue.NextPackage();
    catalogue.FindPackage(u"examples.zip")->selected = 1;
    EXPECT_EQ(catalogue.CurrentKey(), u"examples.zip");
    catalogue.FindPackage(u"qb11_pb.zip")->selected = 1;
    catalogue.FindPackage(u"qb45_pb.zip")->selected = 0;
    EXPECT_EQ(catalogue.CurrentKey(), u"qb45_pb.zip");

    std::vector<std::u16string> selected;
    catalogue.ResetIteration();
    while (catalogue.NextPackage())
        if (catalogue.CurrentPackage().selected == 1)
            selected.push_back(catalogue.CurrentKey());
    EXPECT_EQ(selected, (std::vector<std::u16string> {u"examples.zip", u"qb11_pb.zip"}));
    EXPECT_EQ(catalogue.FindPackage(u"QB45_PB.ZIP"), nullptr); // keys compare exactly
}

} // namespace
} // namespace tarnwick
