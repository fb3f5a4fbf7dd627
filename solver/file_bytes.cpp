#include "file_bytes.h"

#include <fstream>

namespace kelvane {

bool Read_File(const std::filesystem::path& path, std::string& bytes)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return false;
    const std::streamoff size = file.tellg();
    if (size < 0)
        return false;
    bytes.resize(static_cast<std::size_t>(size));
    file.seekg(0);
    return static_cast<bool>(file.read(bytes.data(), size)) || size == 0;
}

}  // namespace kelvane
