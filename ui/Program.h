// The program's start, its one event loop and its one end.
#pragma once

#include "engine/PackageCatalogue.h"

namespace tarnwick {

// The catalogue of the five packages, built at start-up.
PackageCatalogue& Catalogue();

// Starts the program, runs the event loop and ends through EndProgram. Never returns.
[[noreturn]] void RunProgram();

// Shuts the toolkit down, destroys the private heap and ends the process with exit code 0.
[[noreturn]] void EndProgram();

} // namespace tarnwick
