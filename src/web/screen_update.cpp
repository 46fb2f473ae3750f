#include "web/screen_update.h"

#include <functional>

#include "ui/grid_view.h"

namespace meridian::web {
namespace {

size_t hashOf(const std::string& s) { return std::hash<std::string>{}(s); }

size_t structureOf(const std::vector<ScreenPiece>& pieces) {
  std::string ids;
  for (const auto& p : pieces) ids += p.id + '\x1f' + partName(p.part) + '\x1e';
  return hashOf(ids);
}

// Keeps the rows the page holds, unless the selection moved to a row outside
// them: then the window is laid around that row.
void placeWindows(ui::Form& form, PageView& view, std::vector<std::string>& reveal) {
  for (const auto& c : form.controls()) {
    if (!c->grid) continue;
    const ui::Grid& g = *c->grid;
    RowWindow w = view.windows.count(c->name) ? view.windows[c->name] : RowWindow{};
    const int at = ui::visibleIndexOf(g, g.selectedRow);
    auto before = view.selected.find(c->name);
    const bool moved = before == view.selected.end() || before->second != at;
    if (moved && at >= 0) {
      reveal.push_back(c->name);
      if (at < w.first || at >= w.first + w.count) w.first = std::max(0, at - w.count / 2);
    }
    view.windows[c->name] = clampWindow(g, w);
    view.selected[c->name] = at;
  }
}

}  // namespace

ScreenUpdate updateFor(ui::Form* form, PageView& view, bool wholeScreen) {
  ScreenUpdate u;
  if (!form) {
    if (wholeScreen || !view.shown || !view.form.empty()) u.whole = "";
    view = PageView{};
    view.shown = true;
    return u;
  }
  u.form = form->name();
  if (view.form != u.form) {
    // Another screen: its grids start at their first rows.
    view.windows.clear();
    view.selected.clear();
  }
  placeWindows(*form, view, u.reveal);
  RenderedScreen screen = renderScreen(*form, view.windows);
  const size_t structure = structureOf(screen.pieces);
  const bool rebuild = wholeScreen || !view.shown || view.form != u.form || view.structure != structure;
  std::map<std::string, size_t> hashes;
  for (auto& p : screen.pieces) {
    const size_t h = hashOf(p.html);
    if (!rebuild) {
      auto it = view.pieces.find(p.id);
      if (it == view.pieces.end() || it->second != h) u.changed.push_back(p);
    }
    hashes[p.id] = h;
  }
  if (rebuild) u.whole = std::move(screen.html);
  view.form = u.form;
  view.structure = structure;
  view.pieces = std::move(hashes);
  view.shown = true;
  return u;
}

nlohmann::json screenAnswer(ui::Desktop& desk, PageView& view, bool wholeScreen, const std::string& reportPrefix) {
  nlohmann::json out;
  out["state"] = "done";
  ui::Form* active = desk.active();
  ScreenUpdate u = updateFor(active, view, wholeScreen);
  out["form"] = u.form;
  out["title"] = active ? active->caption : "Meridian";
  if (u.whole) out["whole"] = *u.whole;
  nlohmann::json patches = nlohmann::json::array();
  for (const auto& p : u.changed) patches.push_back({{"id", p.id}, {"part", partName(p.part)}, {"html", p.html}});
  out["patches"] = std::move(patches);
  out["reveal"] = u.reveal;
  // The focus a handler asked for is given once; afterwards the user's stays.
  if (active && !active->focus.empty()) {
    out["focus"] = active->focus;
    active->focus.clear();
  }
  if (!desk.statusLine.empty()) {
    out["status"] = desk.statusLine;
    desk.statusLine.clear();
  }
  nlohmann::json previews = nlohmann::json::array();
  for (const auto& id : desk.pendingPreviews) previews.push_back(reportPrefix + id);
  desk.pendingPreviews.clear();
  out["previews"] = std::move(previews);
  out["menu"] = desk.menuRequested;
  desk.menuRequested = false;
  return out;
}

}  // namespace meridian::web
