// The directory of the running executable, where both exchange files live.
#pragma once

#include <filesystem>
#include <optional>

namespace kelvane {

std::optional<std::filesystem::path> Program_Directory();

}  // namespace kelvane
