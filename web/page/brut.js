// The raw streams, as the console writes them: the first part of each put in
// the page when their panel is open, the whole copied or downloaded.
import { deLatin1 } from "../pont.js";
import { $, element, etat, telecharge } from "./commun.js";

const brutMontre = 64 * 1024;  // bytes of each raw stream put in the page (a key waits for their layout); the rest is downloaded

export function montreBrut() {
  const ouvert = $("brut").open;
  const r = etat.dernier;
  $("taille-sortie").textContent = r ? r.sortie.length + " octets" : "";
  $("taille-erreur").textContent = r ? r.erreur.length + " octets" : "";
  if (!ouvert || r === null) {
    $("sortie").textContent = "";
    $("erreur").textContent = "";
    $("statut").textContent = "";
    return;
  }
  // The first part of each stream at once, the whole as a download: a
  // long text's output put in the page whole would freeze it.
  [["sortie", r.sortie], ["erreur", r.erreur]].forEach(function (f) {
    const octets = f[1];
    const coupe = octets.length > brutMontre;
    $(f[0]).textContent = deLatin1(coupe ? octets.subarray(0, brutMontre) : octets) +
      (coupe ? "\n… (" + (octets.length - brutMontre) + " octets de plus : « Télécharger » donne le tout)" : "");
  });
  $("statut").textContent = "Statut de sortie du programme : " + r.statut + ".";
}

// A stream's bytes as they are, in a file (Latin-1, as the console writes
// them into a file).
export function telechargeFlux(quoi) {
  if (etat.dernier === null) return;
  telecharge(etat.dernier[quoi], etat.titre + (quoi === "sortie" ? ".sortie.txt" : ".erreur.txt"), "text/plain;charset=iso-8859-1");
}

// The whole stream copied, not the part shown.
export function copie(id, bouton) {
  const texte = etat.dernier !== null ? deLatin1(etat.dernier[id]) : $(id).textContent;
  const fait = function () {
    const avant = bouton.textContent;
    bouton.textContent = "Copié";
    setTimeout(function () { bouton.textContent = avant; }, 1200);
  };
  const repli = function () {
    const zone = element("textarea");
    zone.value = texte;
    document.body.appendChild(zone);
    zone.select();
    try { document.execCommand("copy"); fait(); } finally { zone.remove(); }
  };
  if (navigator.clipboard && window.isSecureContext) navigator.clipboard.writeText(texte).then(fait, repli);
  else repli();
}
