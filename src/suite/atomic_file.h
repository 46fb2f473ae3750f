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

// The same without waiting for the disk, for a batch of many files: each is
// whole under its name at once, and all are durable after one
// syncFileSystem() at the end of the batch, which must come before the
// batch is reported done.
void writeFileAtomicallyUnsynced(const std::filesystem::path& target, std::string_view bytes);
// Syncs the file system holding the path; throws std::runtime_error on failure.
void syncFileSystem(const std::filesystem::path& anyPathOnIt);

}  // namespace meridian::suite
