// Unrecognised bytes are gathered into one run per stretch, reported once.
#pragma once

// Reports the open unrecognised run, if any ($5000 current), at its start and
// with its width, then moves the column past it.
void signale_non_reconnue();
