#pragma once
// Every screen of the module by name. Each module registers its own screens
// where it defines them, with one line:
//
//   const host::ScreenRegistration registered{{.name = "frmsetup2",
//       .make = [](host::Component& c) { return std::make_shared<ClientInfoForm>(c); }}};
//
// and nothing else names them: the public class, the web layer and the page
// open a screen by its name through Component::open, which checks the user
// right the entry asks for before the screen is made.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/rights.h"

namespace meridian::host {

class Component;
class Screen;

// A tile of the home page that opens the screen.
struct HomeTile {
  int place = 0;         // order on the home page, smallest first
  std::string id;        // element id of the tile
  std::string caption;
  std::string note;      // a line under the caption
  int mode = 0;          // handed to the screen as OpenRequest::mode
};

struct ScreenEntry {
  std::string name;  // the form's name
  std::function<std::shared_ptr<Screen>(Component&)> make;
  int right = rights::useIncomeTax;  // the user right that opens it
  bool kept = false;                 // one instance for the component's life
  std::vector<HomeTile> tiles;
};

class ScreenRegistry {
 public:
  static ScreenRegistry& instance();
  // A second entry under a name already taken is a programming error: it throws.
  void add(ScreenEntry entry);
  const ScreenEntry* find(std::string_view name) const;
  std::vector<const ScreenEntry*> entries() const;
  struct Tile {
    const ScreenEntry* screen;
    const HomeTile* tile;
  };
  // The home page's tiles in their order.
  std::vector<Tile> tiles() const;

 private:
  std::vector<std::unique_ptr<ScreenEntry>> entries_;
};

struct ScreenRegistration {
  explicit ScreenRegistration(ScreenEntry entry) { ScreenRegistry::instance().add(std::move(entry)); }
};

}  // namespace meridian::host
