#include "state/etat.h"

EtatAnalyse etat;
