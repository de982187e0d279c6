// Ending a full beat: the beat is recorded, with the empty beats its value
// covers; a beat that runs past the end of the measure is cut to what fits.
#include <cstdint>

#include "diagnostics/fatal.h"
#include "diagnostics/latin1.h"
#include "diagnostics/message.h"
#include "diagnostics/signale.h"
#include "driver/etat.h"
#include "measure/internes.h"
#include "measure/mesure.h"

namespace {

// A late bar: report the beat as written, then write out what was left of the
// measure in its place, so that the measure adds up.
void recrit_temps_tardif() {
  EtatMesure& m = etat.mesure;
  message_compose("%s", "la barre '|' indiquant une fin de mesure est tardive\n\t"
                        "modifiez la valeur du dernier temps ou changez de mesure.\n\t"_l1);
  message_ajoute("%s", m.graphieTps.c_str());
  message_ajoute("%s", "sérié à ..."_l1);
  signale_erreur(message_texte());
  m.graphieTps.clear();
  const int64_t mesure = int64_t{etat.metre.nbrTps} * etat.metre.valTps;
  ajoute_temps_serie(en_32_bits(mesure - somme_des_temps()));
}

}  // namespace

void ajoute_des_temps() {
  EtatMesure& m = etat.mesure;
  int32_t& som = etat.scanner.som;
  const int32_t valTps = etat.metre.valTps;
  const int32_t nbrTps = etat.metre.nbrTps;
  // A beat of no value would never be used up.
  if (valTps <= 0) erreur_fatalef("ajoute_des_temps : erreur de programmation (valTps %d)\n", valTps);
  if (som < valTps) erreur_fatale("ajoute_des_temps : erreur de programmation (som < valTps)\n");
  if (som > valTps && (m.graphieTps.empty() || m.graphieTps.back() != '_'))
    signale_erreur("préférez des notes ou silences liés entre les temps,\n\t"
                   "ou changez de mesure (changement de mesure à insérer)."_l1);
  if (som > int64_t{nbrTps - m.nt} * valTps)
    recrit_temps_tardif();
  else
    ajoute_temps(som);
  // Whatever is left below a beat carries over into the next one.
  som -= valTps;
  while (som >= valTps) {
    som -= valTps;
    if (m.nt != nbrTps) ajoute_temps_vide();
  }
}
