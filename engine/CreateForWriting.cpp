#include "engine/CreateForWriting.h"

namespace tarnwick {

os::OutputFile CreateForWriting(const std::u16string& path)
{
    os::OutputFile file = os::CreateAlways(path, os::Sharing::None);
    if (!file)
        file = os::TruncateExisting(path);
    return file;
}

} // namespace tarnwick
