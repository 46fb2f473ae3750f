#pragma once
// Lets libxml2 read the schemas the program carries inside itself, imports and
// includes among them too, without touching the disk or the network.
#include <string>
#include <string_view>

namespace meridian::suite::efile {

// Registers the reader with libxml2 (once per process; safe from any thread).
void useShippedSchemas();

// The address libxml2 is given for a shipped file ("data/schemas/..."); a
// schema's relative schemaLocation resolves against it to its neighbour.
std::string shippedSchemaUri(std::string_view shippedPath);

}  // namespace meridian::suite::efile
