#include "engine/PackageCatalogue.h"

#include "payload/Payload.h"

#include <algorithm>

namespace tarnwick {

std::uint32_t PackageCatalogue::ChainOf(const std::u16string& key)
{
    std::uint32_t h = 0;
    for (char16_t unit : key)
        h = h * 65599u + unit;
    return h % ChainCount;
}

InstallPackage& PackageCatalogue::AddPackage(const std::u16string& key)
{
    // Within a chain the newest record comes first, so it goes before the first record of its own
    // chain or of any later chain.
    const std::uint32_t chain = ChainOf(key);
    const auto place = std::find_if(order.begin(), order.end(),
                                    [chain](const auto& record) { return ChainOf(record->key) >= chain; });
    auto record = std::make_unique<Record>();
    record->key = key;
    const auto inserted = order.insert(place, std::move(record));
    cursor = static_cast<std::size_t>(inserted - order.begin());
    return (*inserted)->package;
}

InstallPackage* PackageCatalogue::FindPackage(const std::u16string& key)
{
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i]->key == key) {
            cursor = i;
            return &order[i]->package;
        }
    }
    return nullptr;
}

void PackageCatalogue::ResetIteration() { cursor = BeforeFirst; }

bool PackageCatalogue::NextPackage()
{
    if (cursor == BeforeFirst)
        cursor = 0;
    else if (cursor < order.size())
        ++cursor;
    return cursor < order.size();
}

InstallPackage& PackageCatalogue::CurrentPackage() { return order.at(cursor)->package; }

const std::u16string& PackageCatalogue::CurrentKey() const { return order.at(cursor)->key; }

PackageCatalogue BuildPackageCatalogue()
{
    struct Row {
        const char16_t* key;
        payload::Block archive;
        const char16_t* folderName;
        const char16_t* startDirectory;
        const char16_t* launchCommand;
        std::int32_t selected;
    };
    const Row rows[] = {
        {u"qb11_pb.zip", payload::Qb11Archive(), u"qb11", u"", u"QBASIC", 0},
        {u"qb45_pb.zip", payload::Qb45Archive(), u"qb45", u"", u"QB", 1},
        {u"qbx_pb.zip", payload::QbxArchive(), u"qbx", u"BIN", u"QBX", 0},
        {u"vbdos_pb.zip", payload::VbdosArchive(), u"vbdos", u"BIN", u"VBDOS", 0},
        {u"examples.zip", payload::ExamplesArchive(), u"EXAMPLE", u"", u"", 0},
    };
    PackageCatalogue catalogue;
    for (const Row& row : rows) {
        InstallPackage& package = catalogue.AddPackage(row.key);
        package.archiveData = row.archive.data;
        package.archiveSize = row.archive.size;
        package.folderName = row.folderName;
        package.startDirectory = row.startDirectory;
        package.launchCommand = row.launchCommand;
        package.selected = row.selected;
    }
    return catalogue;
}

} // namespace tarnwick
