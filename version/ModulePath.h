#pragma once

#include <filesystem>

namespace version {

// Full path of the running program's own executable, however long; empty
// when the system will not tell.
std::filesystem::path ModulePath();

} // namespace version
