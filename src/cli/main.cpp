#include "cli/commands.h"

int main(int argc, char** argv) { return meridian::cli::run(argc, argv); }
