#pragma once
#include "suite/application.h"

namespace meridian::cli {

// Seeds the demo practice into an empty database and computes every year it
// enters with the engine, so the dashboard's summaries are the engine's
// figures from the first screen on. Progress goes to standard error; a year
// left uncomputed is named there. False when the database already holds
// clients (nothing is written then).
bool seedDemoWithSummaries(suite::Application& a);

}  // namespace meridian::cli
