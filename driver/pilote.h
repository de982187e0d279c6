// The run driver: the command line, the analysis loop, the exit status.
#pragma once

// Runs one whole analysis of the text on the scanner's input; argv[0] is the
// program's name. Returns the exit status.
int execute_pilote(int argc, const char* const* argv);
