#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sarovin::bench {

// Writes `count` reading files named 0.dri, 1.dri, ... into `folder`, each
// a different birth spread over the years, hours, places and zone rows,
// and returns their names relative to the folder.
std::vector<std::string> WriteVariedReadings(const std::filesystem::path& folder, int count);

}  // namespace sarovin::bench
