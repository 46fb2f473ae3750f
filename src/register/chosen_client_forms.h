#pragma once
// The screens a chosen client opens whose own screens arrive later (the PAN
// applications): they show the client, year and status the dashboard handed over.
#include "host/component.h"
#include "host/screen.h"

namespace meridian::reg {

class ChosenClientForm : public host::Screen {
 public:
  ChosenClientForm(const std::string& name, const std::string& title, host::Component& host);
  void load() override;

 private:
  host::Component& host_;
};

}  // namespace meridian::reg
