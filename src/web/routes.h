#pragma once
// The routes of the web application, by subject.
#include <httplib.h>

#include "web/site.h"

namespace meridian::web {

// Sign-in, sign-out and the user's own password.
void addSignInRoutes(httplib::Server& http, Site& site);
// The module's page, its screens, their events, dialogs and grid rows.
void addScreenRoutes(httplib::Server& http, Site& site);
// Report previews and their PDFs.
void addReportRoutes(httplib::Server& http, Site& site);
// User administration: its page and its JSON operations.
void addAdminRoutes(httplib::Server& http, Site& site);
// The page's scripts, styles and pictures.
void addStaticRoutes(httplib::Server& http);

}  // namespace meridian::web
