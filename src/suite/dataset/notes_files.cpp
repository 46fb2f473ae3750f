#include "common/paths.h"
#include "suite/dataset/notes_files.h"

#include <stdexcept>

#include "common/years.h"
#include "suite/data_folder.h"

namespace meridian::suite::dataset {
namespace fs = std::filesystem;

std::vector<fs::path> notesFolders(const fs::path& documents) {
  const fs::path notes = documents / "Notes";
  return {notes / "sal", notes / "hs", notes / "bus", notes / "cap", notes / "oth", notes / "gtb", notes / "gta", notes};
}

std::string notesFileName(const std::string& code, int year) {
  std::string name = code + assessmentYearText(year) + ".Y";
  // The code comes from client data: it must stay one plain file name.
  if (!safePathComponent(name)) throw std::invalid_argument("a data-set code unfit for a file name: " + code);
  return name;
}

std::vector<fs::path> NotesPlan::existing(const std::string& code) const {
  std::vector<fs::path> out;
  const std::string name = notesFileName(code, year_);
  std::error_code ec;
  for (const auto& folder : notesFolders(documents_))
    if (fs::is_regular_file(folder / name, ec)) out.push_back(folder / name);
  return out;
}

void NotesPlan::planReplace(const std::string& from, const std::string& to, Step::Kind kind) {
  const std::string source = notesFileName(from, year_), target = notesFileName(to, year_);
  std::error_code ec;
  for (const auto& folder : notesFolders(documents_)) {
    if (fs::is_regular_file(folder / source, ec))
      steps_.push_back({kind, folder / source, folder / target});
    else if (fs::exists(folder / target, ec))
      steps_.push_back({Step::remove, {}, folder / target});
  }
}

void NotesPlan::planCopy(const std::string& from, const std::string& to) { planReplace(from, to, Step::copy); }
void NotesPlan::planMove(const std::string& from, const std::string& to) { planReplace(from, to, Step::move); }

void NotesPlan::planDelete(const std::string& code) {
  for (const auto& f : existing(code)) steps_.push_back({Step::remove, {}, f});
}

fs::path NotesPlan::sideFile(const fs::path& target) const { return fs::path(target.string() + ".part"); }

void NotesPlan::stage() {
  try {
    for (const auto& s : steps_) {
      if (s.kind != Step::copy) continue;
      fs::copy_file(s.from, sideFile(s.to), fs::copy_options::overwrite_existing);
      staged_.push_back(sideFile(s.to));
    }
  } catch (const fs::filesystem_error& e) {
    abandon();
    throw std::runtime_error(std::string("a notes file could not be copied: ") + e.what());
  }
}

void NotesPlan::abandon() noexcept {
  std::error_code ec;
  for (const auto& f : staged_) fs::remove(f, ec);
  staged_.clear();
}

std::vector<std::string> NotesPlan::finish(std::vector<std::string>& warnings) noexcept {
  std::vector<std::string> done;
  for (const auto& s : steps_) {
    std::error_code ec;
    switch (s.kind) {
      case Step::copy:
        fs::rename(sideFile(s.to), s.to, ec);
        if (!ec) done.push_back("copied " + s.from.string() + " to " + s.to.string());
        break;
      case Step::move:
        fs::rename(s.from, s.to, ec);
        if (!ec) done.push_back("moved " + s.from.string() + " to " + s.to.string());
        break;
      case Step::remove:
        fs::remove(s.to, ec);
        if (!ec) done.push_back("deleted " + s.to.string());
        break;
    }
    if (ec) warnings.push_back("notes file " + s.to.string() + ": " + ec.message());
  }
  staged_.clear();
  return done;
}

}  // namespace meridian::suite::dataset
