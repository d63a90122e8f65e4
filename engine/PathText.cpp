#include "engine/PathText.h"

namespace tarnwick {

std::u16string PathExtension(const std::u16string& path)
{
    for (std::size_t i = path.size(); i-- > 0;) {
        const char16_t c = path[i];
        if (c == u'\\' || c == u'/' || c == u' ')
            return {};
        if (c == u'.') {
            if (i == 0 || path[i - 1] == u'\\' || path[i - 1] == u'/')
                return {};
            const std::size_t end = path.find(u'"', i + 1);
            return path.substr(i + 1, end == std::u16string::npos ? std::u16string::npos : end - i - 1);
        }
    }
    return {};
}

std::u16string FormDestination(const std::u16string& destinationText)
{
    std::u16string destination = destinationText;
    while (!destination.empty() && destination.back() == u'\\')
        destination.pop_back();
    return destination + u'\\';
}

std::u16string PathFolder(const std::u16string& path)
{
    const std::size_t last = path.find_last_of(u"\\/");
    return last == std::u16string::npos ? std::u16string() : path.substr(0, last + 1);
}

std::u16string QuoteIfBlank(const std::u16string& path)
{
    return path.find(u' ') == std::u16string::npos ? path : u"\"" + path + u"\"";
}

} // namespace tarnwick
