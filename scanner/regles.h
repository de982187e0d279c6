// The matcher generated from regles.re.
#pragma once

// Runs the matcher until an action hands out a token; 0 at the end of the input.
int lance_automate();
