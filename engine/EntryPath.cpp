#include "engine/EntryPath.h"

#include "engine/PathText.h"

namespace tarnwick {
namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

} // namespace

bool IsSafeEntryName(const std::u16string& name)
{
    if (name.empty() || IsSeparator(name.front()))
        return false;
    std::size_t fieldStart = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i < name.size() && name[i] == u':')
            return false;
        if (i == name.size() || IsSeparator(name[i])) {
            if (name.compare(fieldStart, i - fieldStart, u"..") == 0)
                return false;
            fieldStart = i + 1;
        }
    }
    return true;
}

std::vector<std::u16string> FolderPrefixes(const std::u16string& name)
{
    const std::u16string folder = PathFolder(name);
    std::vector<std::u16string> prefixes;
    std::u16string accumulator;
    std::size_t fieldStart = 0;
    while (fieldStart < folder.size()) {
        std::size_t fieldEnd = fieldStart;
        while (fieldEnd < folder.size() && !IsSeparator(folder[fieldEnd]))
            ++fieldEnd;
        if (fieldEnd == fieldStart)
            break;
        accumulator.append(folder, fieldStart, fieldEnd - fieldStart);
        accumulator += u'\\';
        prefixes.push_back(accumulator);
        fieldStart = fieldEnd + 1;
    }
    return prefixes;
}

} // namespace tarnwick
