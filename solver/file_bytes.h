// Whole files as bytes: the solver never decodes the code page 932 text it copies.
#pragma once

#include <filesystem>
#include <string>

namespace kelvane {

bool Read_File(const std::filesystem::path& path, std::string& bytes);

}  // namespace kelvane
