#include "host/screen_registry.h"

#include <algorithm>
#include <stdexcept>

namespace meridian::host {

ScreenRegistry& ScreenRegistry::instance() {
  static ScreenRegistry registry;
  return registry;
}

void ScreenRegistry::add(ScreenEntry entry) {
  if (entry.name.empty() || !entry.make) throw std::logic_error("a screen is registered without a name or a maker");
  if (find(entry.name)) throw std::logic_error("two screens are registered as " + entry.name);
  entries_.push_back(std::make_unique<ScreenEntry>(std::move(entry)));
}

const ScreenEntry* ScreenRegistry::find(std::string_view name) const {
  for (const auto& e : entries_)
    if (e->name == name) return e.get();
  return nullptr;
}

std::vector<const ScreenEntry*> ScreenRegistry::entries() const {
  std::vector<const ScreenEntry*> out;
  for (const auto& e : entries_) out.push_back(e.get());
  std::sort(out.begin(), out.end(), [](auto* a, auto* b) { return a->name < b->name; });
  return out;
}

std::vector<ScreenRegistry::Tile> ScreenRegistry::tiles() const {
  std::vector<Tile> out;
  for (const auto& e : entries_)
    for (const auto& t : e->tiles) out.push_back({e.get(), &t});
  std::stable_sort(out.begin(), out.end(), [](const Tile& a, const Tile& b) { return a.tile->place < b.tile->place; });
  return out;
}

}  // namespace meridian::host
