// The exit report: one line on standard output, printed at exit while armed,
// that tells where the analysis stood when an internal failure ended it.
#pragma once

void arme_rapport_de_sortie();
void desarme_rapport_de_sortie();
void rapport_de_sortie();
