#pragma once

#include <filesystem>
#include <optional>

// The file a path names once its final component has been followed through any chain of
// symbolic links, dangling ones included, so that replacing the file keeps the link.
// Nothing for a chain that loops or cannot be read.
std::optional<std::filesystem::path> ResolveLinks(std::filesystem::path path);
