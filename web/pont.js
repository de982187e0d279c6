// The bridge to the checker's WebAssembly module (rythme_wasm.js): the text
// and the words go in as Latin-1 bytes, the records and the two streams come
// out, with every byte offset also given in the text's characters. Imported
// by the Web Worker that runs the analysis for the page, and by the tests
// under node.

// The text as the bytes a Latin-1 file would hold. A character outside
// Latin-1 cannot be in such a file: it is sent as '?', one byte, which the
// checker reports where it stands. A text area holds no carriage return:
// the page shows a file's as ␍, which goes back to the byte 13. debuts[i] is where byte i's character
// starts in the text (in UTF-16 units), debuts[n] the text's length.
export function enLatin1(texte) {
  const n = texte.length;
  const octets = new Uint8Array(n);
  const debuts = new Int32Array(n + 1);
  const hors = [];  // [start, end) in the text of each character sent as '?'
  let k = 0;
  for (let i = 0; i < n; ) {
    const point = texte.codePointAt(i);
    const largeur = point > 0xFFFF ? 2 : 1;
    debuts[k] = i;
    if (point <= 0xFF) {
      octets[k] = point;
    } else if (point === 0x240D) {
      octets[k] = 13;
    } else {
      octets[k] = 0x3F;
      hors.push([i, i + largeur]);
    }
    k++;
    i += largeur;
  }
  debuts[k] = n;
  return { octets: octets.subarray(0, k), debuts: debuts.subarray(0, k + 1), hors: hors };
}

// Latin-1 bytes read as characters: byte n is the character U+00nn.
export function deLatin1(octets) {
  let s = "";
  for (let i = 0; i < octets.length; i += 8192)
    s += String.fromCharCode.apply(null, octets.subarray(i, i + 8192));
  return s;
}

// The command-line words of the three fields: an empty field is no word, and
// the words keep their order, as a shell would pass them.
export function motsDesChamps(numerateur, denominateur, decomposition) {
  return [numerateur, denominateur, decomposition].filter(function (m) { return m !== ""; });
}

// Calls f(pMots, pointeurs) with the words (each a Uint8Array, put one after
// the other, each ended by a NUL) and each byte array of tampons in the
// module's memory, freed once f has returned; returns what f returns.
function avecMemoire(module, mots, tampons, f) {
  let tailleMots = 0;
  for (const m of mots) tailleMots += m.length + 1;
  const pMots = module._malloc(tailleMots + 1);
  const pointeurs = tampons.map(function (t) { return module._malloc(t.length + 1); });
  try {
    let p = pMots;
    for (const m of mots) {
      module.HEAPU8.set(m, p);
      module.HEAPU8[p + m.length] = 0;
      p += m.length + 1;
    }
    tampons.forEach(function (t, i) { module.HEAPU8.set(t, pointeurs[i]); });
    return f(pMots, pointeurs);
  } finally {
    module._free(pMots);
    pointeurs.forEach(function (q) { module._free(q); });
  }
}

// One whole analysis. mots: the command-line words, each a Uint8Array;
// entree: the input bytes. Returns the records (see web/entree.cc) with the
// table of the signs read (signes, an Int32Array) and the two streams' bytes
// (sortie, erreur). An exception from the module (a trap)
// goes to the caller, whose module is then spent.
export function analyse(module, mots, entree) {
  avecMemoire(module, mots, [entree], function (pMots, p) {
    module._rythme_analyse(pMots, mots.length, p[0], entree.length);
  });
  // Read after the run: the memory may have grown, which replaces HEAPU8.
  const tas = module.HEAPU8;
  const copie = function (p, n) { return tas.slice(p, p + n); };
  const pJson = module._rythme_rapports();
  // The JSON is plain ASCII: any decoder reads it.
  const json = tas.subarray(pJson, pJson + module._rythme_taille_rapports());
  const r = JSON.parse(typeof TextDecoder !== "undefined" ? new TextDecoder().decode(json) : deLatin1(json));
  // The signs read, par_signe numbers to a sign, the measures listed and
  // their beats (see web/entree.cc), tables of numbers, read by lisSigne
  // (partition/mesures.js) and lisMesure.
  const table = function (p, n) { return new Int32Array(copie(p, 4 * n).buffer); };
  r.signes = table(module._rythme_signes(), module._rythme_taille_signes());
  r.table_des_mesures = table(module._rythme_mesures(), module._rythme_taille_mesures());
  r.table_des_temps = table(module._rythme_temps(), module._rythme_taille_temps());
  r.nombre_de_mesures = r.table_des_mesures.length / r.par_mesure;
  r.sortie = copie(module._rythme_sortie(), module._rythme_taille_sortie());
  r.erreur = copie(module._rythme_erreur(), module._rythme_taille_erreur());
  return r;
}

// Measure i of the records (counted from 0, in the order listed), without
// its beats' words: { numero, total, numerateur, denominateur, valTps,
// ennaire, compose, metre, graphie, ecart, forts ("F" or "f" a beat) }.
export function lisMetreDeMesure(r, i) {
  const t = r.table_des_mesures, a = i * r.par_mesure, mots = r.mots_des_mesures, u = r.table_des_temps;
  let forts = "";
  for (let k = t[a + 10]; k < t[a + 10] + t[a + 11]; k++) forts += u[k * r.par_temps + 2] === 1 ? "F" : "f";
  return { numero: t[a], total: t[a + 1], numerateur: t[a + 2], denominateur: t[a + 3], valTps: t[a + 4],
           ennaire: t[a + 5], compose: t[a + 6] === 1, metre: mots[t[a + 7]], graphie: mots[t[a + 8]], ecart: mots[t[a + 9]],
           forts: forts };
}

// Measure i whole: as lisMetreDeMesure gives it, with its beats, temps:
// [[text, value, strong, start, end]].
export function lisMesure(r, i) {
  const m = lisMetreDeMesure(r, i), t = r.table_des_mesures, a = i * r.par_mesure, u = r.table_des_temps;
  m.temps = [];
  for (let k = t[a + 10]; k < t[a + 10] + t[a + 11]; k++) {
    const b = k * r.par_temps;
    m.temps.push([r.mots_des_mesures[u[b]], u[b + 1], u[b + 2] === 1, u[b + 3], u[b + 4]]);
  }
  return m;
}

// The analysis of a text typed in the page: the byte offsets of the records
// turned into the text's characters (debut, fin), and the characters sent as
// '?' (hors).
export function analyseTexte(module, motsTexte, texte) {
  const code = enLatin1(texte);
  const r = analyse(module, motsTexte.map(function (m) { return enLatin1(m).octets; }), code.octets);
  const d = code.debuts;
  for (const rapport of r.rapports) {
    rapport.debut = d[rapport.debut];
    rapport.fin = d[rapport.fin];
  }
  const temps = r.table_des_temps;
  for (let k = 0; k < temps.length; k += r.par_temps) {
    temps[k + 3] = d[temps[k + 3]];
    temps[k + 4] = d[temps[k + 4]];
  }
  const signes = r.signes;
  for (let k = 0; k < signes.length; k += r.par_signe) {
    signes[k + 3] = d[signes[k + 3]];
    signes[k + 4] = d[signes[k + 4]];
  }
  r.hors = code.hors;
  return r;
}

// The console's export of a text (genre: "musicxml" or "midi"; tempo in
// quarter notes per minute), made by the same C++: its bytes (empty when no
// text was checked), the run's standard error and exit status.
export function exporte(module, mots, entree, genre, tempo) {
  const statut = avecMemoire(module, mots, [entree], function (pMots, p) {
    return module._rythme_exporte(pMots, mots.length, p[0], entree.length, genre === "midi" ? 1 : 0, tempo);
  });
  const tas = module.HEAPU8;
  const copie = function (p, n) { return tas.slice(p, p + n); };
  return {
    octets: copie(module._rythme_export(), module._rythme_taille_export()),
    erreur: copie(module._rythme_export_erreur(), module._rythme_taille_export_erreur()),
    statut: statut,
  };
}

// Dictation: a rhythm drawn by the checker's module (level 1 to 7, a meter's
// index, 2 to 8 measures, a seed), and a student's text graded against it,
// beat by beat (see web/entree_dictee.cc).
function lisJson(module, p) {
  const n = module._rythme_dictee_taille();
  return JSON.parse(deLatin1(module.HEAPU8.subarray(p, p + n)));
}

export function dicteeGenere(module, niveau, metre, mesures, graine) {
  return lisJson(module, module._rythme_dictee_genere(niveau, metre, mesures, graine));
}

export function dicteeCorrige(module, mots, original, copie) {
  const o = enLatin1(original).octets, c = enLatin1(copie).octets;
  return avecMemoire(module, mots.map(function (m) { return enLatin1(m).octets; }), [o, c], function (pMots, p) {
    return lisJson(module, module._rythme_dictee_corrige(pMots, mots.length, p[0], o.length, p[1], c.length));
  });
}
