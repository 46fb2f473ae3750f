#pragma once
// Carries a browser event into a screen: the page's current values go into
// the controls, then the screen's handler runs.
#include <nlohmann/json.hpp>
#include <optional>

#include "ui/form.h"

namespace meridian::web {

// Copies the values the page sent (control name -> text, or true/false for
// check boxes) into the form's controls.
void applyValues(ui::Form& form, const nlohmann::json& values);
// Builds the event from the page's description of it; nullopt when malformed.
std::optional<ui::Event> eventFromJson(const nlohmann::json& body);
// Runs the event on the form; a key the form does not handle goes to the host.
void deliver(ui::Form& form, ui::Event& e);

}  // namespace meridian::web
