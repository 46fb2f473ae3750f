#include "suite/returns/revise_mode.h"

#include <string>

namespace meridian::returns {

ReviseMode confirmReviseMode(ui::Dialogs& dialogs, ReviseMode option) {
  std::string meaning;
  switch (option) {
    case ReviseMode::none:
      dialogs.info("Please select appropriate option to Revise the Return.");
      return ReviseMode::none;
    case ReviseMode::savedSeparately:
      meaning = "All the changes you will make now for Revised Return will be saved separately and You will be able "
                "to view Previously Filed Return also.";
      break;
    case ReviseMode::inPreviousReturn:
      meaning = "All the changes you will make now for Revised Return will be made in Previously Filed Return and You "
                "will not be able to retrieve data for Previously Filed Return.";
      break;
  }
  return dialogs.yesNo(meaning + "\n\nDo you want to Continue?") ? option : ReviseMode::none;
}

}  // namespace meridian::returns
