// The "Exporter" menu: the console's MusicXML or MIDI export of the text as
// it stands, made by the module in a worker of its own (so that the analysis
// goes on) and downloaded under the text's title; and the score as drawn,
// as SVG.
import { $, avisOutils, etat, telecharge } from "./commun.js";
import { mots, nouveauTravailleur } from "./client.js";

// genre: "musicxml" or "midi".
export function exporteFichier(genre) {
  $("exporter").open = false;
  const w = nouveauTravailleur();
  const tempo = Math.min(1000, Math.max(1, Math.round(Number($("tempo").value) || 60)));
  w.onmessage = function (e) {
    w.terminate();
    const r = e.data.exportation;
    if (!r || r.octets.length === 0) {
      avisOutils(e.data.echec ? "Exportation impossible : " + e.data.echec
                              : "Rien à exporter : le texte n'a pas été vérifié (voir les sorties brutes).");
      return;
    }
    const nom = etat.titre + (genre === "midi" ? ".mid" : ".musicxml");
    telecharge(r.octets, nom, genre === "midi" ? "audio/midi" : "application/vnd.recordare.musicxml+xml");
    avisOutils("« " + nom + " » exporté" + (r.statut === 0 ? "." : ", avec les fautes du texte marquées."));
  };
  w.onerror = function (e) { w.terminate(); avisOutils("Exportation impossible : " + (e.message || e)); };
  w.postMessage({ id: 0, exporte: genre, tempo: tempo, mots: mots(), texte: $("texte").value });
}

// The score as drawn, one SVG file under the text's title.
export function exporteSvg(panneau) {
  $("exporter").open = false;
  const nom = etat.titre + ".svg";
  telecharge(panneau.fichierSvg(), nom, "image/svg+xml");
  avisOutils("« " + nom + " » enregistré.");
}
