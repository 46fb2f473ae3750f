#pragma once
// Whole-file reads and writes for files a practitioner must never find half
// written: the new text goes to a side file beside the target, is synced to
// disk, and only then takes the target's name.
#include <filesystem>
#include <string>
#include <string_view>

namespace meridian::suite {

// The file's bytes exactly; throws std::runtime_error naming the file and the
// reason when it cannot be read.
std::string readWholeFile(const std::filesystem::path& file);

// Replaces (or creates) the file with the bytes. On any failure the target is
// as it was and the side file is gone; throws std::runtime_error with the
// reason. An existing target keeps its permissions.
void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace meridian::suite
