#include "ui/failure.h"

#include <spdlog/spdlog.h>

#include <random>

#include "db/connection.h"

namespace meridian::ui {

std::string failureReference() {
  // No 0/O or 1/I: the reference is read out and typed by people.
  static const char alphabet[] = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
  thread_local std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, sizeof alphabet - 2);
  std::string ref = "E-";
  for (int i = 0; i < 6; ++i) ref.push_back(alphabet[pick(random)]);
  return ref;
}

std::string failureSentence(const std::exception& e) {
  const char* cause = "Something went wrong";
  if (auto* db = dynamic_cast<const db::DbError*>(&e)) {
    switch (db->kind()) {
      case db::DbFailure::gone: cause = "The practice's database is no longer where the program opened it"; break;
      case db::DbFailure::unreachable: cause = "The database could not be reached"; break;
      case db::DbFailure::busy: cause = "The database stayed busy with other work"; break;
      case db::DbFailure::readOnly: cause = "The database refused to write (it is read-only)"; break;
      case db::DbFailure::full: cause = "The disk that holds the database is full"; break;
      case db::DbFailure::conflict: cause = "The database refused the change: it conflicts with a record already saved"; break;
      case db::DbFailure::other: cause = "The database refused this step"; break;
    }
  }
  return std::string(cause) + ", so this step was stopped and its changes were not saved. The screen is still usable.";
}

std::string tellFailure(Dialogs& dialogs, const std::exception& e, const std::string& where) {
  const std::string ref = failureReference();
  spdlog::error("[{}] {} failed: {}", ref, where, e.what());
  try {
    dialogs.critical(failureSentence(e) + "\n\nReference: " + ref, "Meridian");
  } catch (const std::exception& shown) {
    spdlog::error("[{}] the message could not be shown: {}", ref, shown.what());
  }
  return ref;
}

bool runTold(Dialogs& dialogs, const std::string& where, const std::function<void()>& work) {
  try {
    work();
    return true;
  } catch (const AlreadyTold&) {
    return false;
  } catch (const std::exception& e) {
    tellFailure(dialogs, e, where);
    return false;
  }
}

}  // namespace meridian::ui
