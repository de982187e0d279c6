// A dictation and a student's copy carried by a link. The rhythm is encoded
// so that a student does not read it at a glance in the address: its JSON
// in UTF-8, each byte mixed with a fixed stream of bytes, a check sum
// after it, in base64url. Encoded, not encrypted: anyone who wants to can
// decode it. The check sum tells a link cut or mistyped on its way from a
// good one.

// A dictation: { texte, mots (the meter's words), tempo (the metronome
// mark), ecoutes (hearings allowed, 0 for unlimited), decompte (a count-in),
// metreVisible, mesuresVisibles, tirage (for a rhythm the page drew: its
// { niveau, metre, mesures, graine }, else null) }.
// A copy: { texte, n, d, k (the meter's fields), ecoutes (hearings taken),
// verifications, solution (whether the solution was seen) }.

const version = "1";

// The same stream of bytes for every link: a linear congruential sequence.
function melange(octets) {
  let x = 0x2545;
  const sortie = new Uint8Array(octets.length);
  for (let i = 0; i < octets.length; i++) {
    x = (x * 1103515245 + 12345) >>> 0;
    sortie[i] = octets[i] ^ (x >>> 16) & 0xFF;
  }
  return sortie;
}

// FNV-1a over numbers below 256 (bytes, or a code's ASCII characters).
function fnv(nombres) {
  let h = 0x811C9DC5;
  for (const o of nombres) h = Math.imul(h ^ o, 0x01000193) >>> 0;
  return h;
}

function somme(octets) { return fnv(octets) & 0xFFFF; }

// The key under which a browser keeps what was done with a dictation, from
// its code (a long one would weigh on the storage as a key).
export function cleDeStockage(code) {
  return "rythme.dictee." + fnv(Array.from(code, function (c) { return c.charCodeAt(0) & 0xFF; })).toString(16);
}

function enBase64url(octets) {
  let s = "";
  for (const o of octets) s += String.fromCharCode(o);
  return btoa(s).replace(/\+/g, "-").replace(/\//g, "_").replace(/=+$/, "");
}

function deBase64url(code) {
  const s = atob(code.replace(/-/g, "+").replace(/_/g, "/"));
  return Uint8Array.from(s, function (c) { return c.charCodeAt(0); });
}

export function encode(valeur) {
  const octets = new TextEncoder().encode(JSON.stringify(valeur));
  const h = somme(octets);
  const tout = new Uint8Array(octets.length + 2);
  tout.set(octets);
  tout[octets.length] = h >> 8;
  tout[octets.length + 1] = h & 0xFF;
  return version + enBase64url(melange(tout));
}

// The value of a code, or null for a code this page did not make whole.
export function decode(code) {
  if (typeof code !== "string" || code[0] !== version) return null;
  try {
    const tout = melange(deBase64url(code.slice(1)));
    if (tout.length < 3) return null;
    const octets = tout.subarray(0, tout.length - 2);
    if (somme(octets) !== (tout[tout.length - 2] << 8 | tout[tout.length - 1])) return null;
    return JSON.parse(new TextDecoder("utf-8", { fatal: true }).decode(octets));
  } catch (e) {
    return null;
  }
}

function entier(x, min, max, defaut) {
  const n = Math.round(Number(x));
  return Number.isFinite(n) && n >= min && n <= max ? n : defaut;
}

// A dictation in short keys, and back with every field checked: a link
// edited by hand gives a dictation the page can play, or none.
export function codeDeDictee(d) {
  const v = { t: d.texte, m: d.mots, q: d.tempo, e: d.ecoutes, c: d.decompte ? 1 : 0,
              v: (d.metreVisible ? 1 : 0) | (d.mesuresVisibles ? 2 : 0) };
  if (d.tirage) v.g = [d.tirage.niveau, d.tirage.metre, d.tirage.mesures, d.tirage.graine];
  return encode(v);
}

export function dicteeDuCode(code) {
  const v = decode(code);
  if (v === null || typeof v !== "object" || typeof v.t !== "string" || v.t.trim() === "" || !Array.isArray(v.m) ||
      v.m.length > 3 || !v.m.every(function (w) { return typeof w === "string"; }))
    return null;
  const g = Array.isArray(v.g) && v.g.length === 4 ? v.g : null;
  return {
    texte: v.t, mots: v.m, tempo: entier(v.q, 20, 400, 60), ecoutes: entier(v.e, 0, 99, 0), decompte: v.c !== 0,
    metreVisible: (v.v & 1) !== 0, mesuresVisibles: (v.v & 2) !== 0,
    tirage: g && { niveau: entier(g[0], 1, 7, 1), metre: entier(g[1], 0, 5, 0), mesures: entier(g[2], 2, 8, 2), graine: entier(g[3], 0, 2 ** 53, 0) },
  };
}

export function codeDeCopie(c) {
  return encode({ t: c.texte, n: c.n, d: c.d, k: c.k, e: c.ecoutes, f: c.verifications, s: c.solution ? 1 : 0 });
}

export function copieDuCode(code) {
  const v = decode(code);
  if (v === null || typeof v !== "object" || typeof v.t !== "string") return null;
  const champ = function (x) { return typeof x === "string" ? x : ""; };
  return { texte: v.t, n: champ(v.n), d: champ(v.d), k: champ(v.k), ecoutes: entier(v.e, 0, 1e6, 0),
           verifications: entier(v.f, 0, 1e6, 0), solution: v.s === 1 };
}

// The link of a dictation (and of a copy of it) on this page.
export function lienDeDictee(d, copie) {
  const p = new URLSearchParams();
  p.set("dictee", codeDeDictee(d));
  if (copie) p.set("copie", codeDeCopie(copie));
  return location.href.replace(/#.*$/, "") + "#" + p.toString();
}

// The dictation of the page's address, if any: { code, dictee (null for a
// damaged link), copie (null if none or damaged) }.
export function dicteeDeLAdresse() {
  if (location.hash.length < 2) return null;
  const p = new URLSearchParams(location.hash.slice(1));
  if (!p.has("dictee")) return null;
  return { code: p.get("dictee"), dictee: dicteeDuCode(p.get("dictee")), copie: p.has("copie") ? copieDuCode(p.get("copie")) : null };
}
