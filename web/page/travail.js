// The work kept: in the browser's storage (a reload finds it), in a link
// (shared), in a file (opened and saved as a console user's Latin-1 file).
import { deLatin1, enLatin1 } from "../pont.js";
import { $, avisOutils, etat, telecharge } from "./commun.js";

const lienMax = 60000;  // characters of text a shared link may carry
const cleTravail = "rythme.travail";
let minuterieSauve = null;

// The text and the fields as they stand.
function travail() {
  return { texte: $("texte").value, n: $("numerateur").value, d: $("denominateur").value, k: $("decomposition").value };
}

// The text and the fields set to a work kept.
export function pose(t) {
  $("texte").value = t.texte || "";
  $("numerateur").value = t.n || "";
  $("denominateur").value = t.d || "";
  $("decomposition").value = t.k || "";
  etat.actif = -1;
}

export function gardeMaintenant() {
  clearTimeout(minuterieSauve);
  try { localStorage.setItem(cleTravail, JSON.stringify(travail())); } catch (e) { /* storage full or refused: nothing kept */ }
}

// Kept after a short pause in the edits.
export function sauve() {
  clearTimeout(minuterieSauve);
  minuterieSauve = setTimeout(gardeMaintenant, 300);
}

// The work kept in the browser, if any.
export function travailGarde() {
  let garde = null;
  try { garde = JSON.parse(localStorage.getItem(cleTravail) || "null"); } catch (e) { garde = null; }
  return garde !== null && typeof garde.texte === "string" ? garde : null;
}

// The work of a shared link, taken once: the address forgets it, and the
// work kept wins from the first edit on.
export function prendLeLien() {
  if (location.hash.length < 2) return null;
  const p = new URLSearchParams(location.hash.slice(1));
  if (!p.has("t")) return null;
  history.replaceState(null, "", location.pathname + location.search);
  return { texte: p.get("t"), n: p.get("n") || "", d: p.get("d") || "", k: p.get("k") || "" };
}

export function partage() {
  const t = travail();
  if (t.texte.length > lienMax) {
    avisOutils("Texte trop long pour un lien : utilisez « Enregistrer ».");
    return;
  }
  const p = new URLSearchParams();
  if (t.n) p.set("n", t.n);
  if (t.d) p.set("d", t.d);
  if (t.k) p.set("k", t.k);
  p.set("t", t.texte);
  history.replaceState(null, "", "#" + p.toString());
  const lien = location.href;
  if (navigator.clipboard && window.isSecureContext)
    navigator.clipboard.writeText(lien).then(function () { avisOutils("Lien copié."); }, function () { avisOutils("Lien dans la barre d'adresse."); });
  else avisOutils("Lien dans la barre d'adresse.");
}

// A .txt file is read as a console user's file is: Latin-1 bytes. A file in
// UTF-8 (bytes above 127 that make valid UTF-8) is read so; its characters
// outside Latin-1 are then sent as '?', as typed ones. A carriage return,
// which a text area would drop, is shown as ␍ and checked as the console
// checks it. ouvert(): the text is in place.
export function ouvre(fichier, ouvert) {
  const lecteur = new FileReader();
  lecteur.onload = function () {
    const octets = new Uint8Array(lecteur.result);
    let texte = null;
    if (octets.some(function (o) { return o > 127; })) {
      try { texte = new TextDecoder("utf-8", { fatal: true }).decode(octets); } catch (e) { texte = null; }
    }
    const utf8 = texte !== null;
    $("texte").value = (utf8 ? texte : deLatin1(octets)).replace(/\r/g, "\u240D");
    etat.titre = fichier.name.replace(/\.[^.]*$/, "") || "rythme";
    ouvert();
    avisOutils("« " + fichier.name + " » ouvert" + (utf8 ? ", lu en UTF-8" : "") + ".");
  };
  lecteur.readAsArrayBuffer(fichier);
}

// Whether the text holds carriage returns (a file's Windows line ends):
// said, with a way to make them plain line ends.
export function montreRetours() {
  $("retours").hidden = $("texte").value.indexOf("\u240D") < 0;
}

// Carriage returns made plain line ends: one before a line end is dropped,
// any other becomes one. converti(): the text changed.
export function convertitRetours(converti) {
  const t = $("texte");
  t.value = t.value.replace(/\u240D\n/g, "\n").replace(/\u240D/g, "\n");
  converti();
}

// The text saved as the console reads it: Latin-1 bytes, '?' for the others.
export function enregistre() {
  telecharge(enLatin1($("texte").value).octets, "rythme.txt", "text/plain;charset=iso-8859-1");
}
