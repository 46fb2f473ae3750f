#pragma once
// Every finished e-return is also filed under the client's folder of the
// year, named by the moment it was filed, so that earlier versions stay:
// <documents>/ITeRetXMLs/<client>/<year>/ddMMyyyyhhmmss_<file name>.
#include <chrono>
#include <filesystem>
#include <string>

namespace meridian::itr::efile {

// "06122016143005_ITR1.xml" for 6 December 2016, 14:30:05 local time.
std::string datedCopyName(const std::filesystem::path& eReturn, std::chrono::system_clock::time_point when);

// Creates the missing folders level by level and copies the file there whole
// (synced, then renamed into place); returns the copy's path. Throws
// std::invalid_argument when the client code cannot be a folder name, and
// std::runtime_error naming the step that failed; nothing is left half copied.
std::filesystem::path fileDatedCopy(const std::filesystem::path& documents, const std::string& clientCode, int year,
                                    const std::filesystem::path& eReturn, std::chrono::system_clock::time_point when);

}  // namespace meridian::itr::efile
