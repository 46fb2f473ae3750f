#pragma once
// The head notes a user keeps for a data set and year: one file per head under
// the documents folder (Notes\sal, Notes\hs, Notes\bus, Notes\cap, Notes\oth,
// Notes\gtb, Notes\gta and Notes itself), named by the data-set code, the
// A.Y. and ".Y". They travel with the data set's rows.
//
// Files cannot join a database transaction, so every change is planned first
// and done in two halves: `stage` does what can still be undone (copies to
// side files) and `finish` runs only after the database has committed.
#include <filesystem>
#include <string>
#include <vector>

namespace meridian::suite::dataset {

// The folders, in the order the heads are listed.
std::vector<std::filesystem::path> notesFolders(const std::filesystem::path& documents);
// "C1^R-22016-17.Y" for data set C1^R-2 and 2016.
std::string notesFileName(const std::string& code, int year);

class NotesPlan {
 public:
  NotesPlan(std::filesystem::path documents, int year) : documents_(std::move(documents)), year_(year) {}

  // The notes files the data set has now.
  std::vector<std::filesystem::path> existing(const std::string& code) const;

  void planCopy(const std::string& from, const std::string& to);   // replaces the target's notes
  void planDelete(const std::string& code);
  void planMove(const std::string& from, const std::string& to);   // replaces the target's notes

  // Copies sources to side files next to their targets; throws (leaving
  // nothing behind) when one cannot be written.
  void stage();
  // Removes the side files after a failure.
  void abandon() noexcept;
  // Puts the side files in place, removes and renames; returns what it did,
  // and what it could not do in `warnings`.
  std::vector<std::string> finish(std::vector<std::string>& warnings) noexcept;

 private:
  struct Step {
    enum Kind { copy, remove, move } kind;
    std::filesystem::path from, to;
  };
  void planReplace(const std::string& from, const std::string& to, Step::Kind kind);
  std::filesystem::path sideFile(const std::filesystem::path& target) const;

  std::filesystem::path documents_;
  int year_;
  std::vector<Step> steps_;
  std::vector<std::filesystem::path> staged_;
};

}  // namespace meridian::suite::dataset
