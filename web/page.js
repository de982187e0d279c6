// The page's script: it runs the checker (the WebAssembly module of
// rythme_wasm.js) on the text as it is typed and shows what the program says,
// each report on the characters it is about. The first part, the bridge to the
// module and the reading of its output, is also loaded by the tests under node.
// EXEMPLES (the shipped examples) is written above this by the build.

// ---------------------------------------------------------------------------
// Bytes and characters.

// The text as the bytes a Latin-1 file would hold. A character outside
// Latin-1 cannot be in such a file: it is sent as '?', one byte, which the
// checker reports where it stands. debuts[i] is where byte i's character
// starts in the text (in UTF-16 units), debuts[n] the text's length.
function enLatin1(texte) {
  const octets = [];
  const debuts = [];
  const hors = [];  // [start, end) in the text of each character sent as '?'
  for (let i = 0; i < texte.length; ) {
    const point = texte.codePointAt(i);
    const largeur = point > 0xFFFF ? 2 : 1;
    debuts.push(i);
    if (point <= 0xFF) {
      octets.push(point);
    } else {
      octets.push(0x3F);
      hors.push([i, i + largeur]);
    }
    i += largeur;
  }
  debuts.push(texte.length);
  return { octets: Uint8Array.from(octets), debuts: debuts, hors: hors };
}

// Latin-1 bytes read as characters: byte n is the character U+00nn.
function deLatin1(octets) {
  let s = "";
  for (let i = 0; i < octets.length; i += 8192)
    s += String.fromCharCode.apply(null, octets.subarray(i, i + 8192));
  return s;
}

// The command-line words of the three fields: an empty field is no word, and
// the words keep their order, as a shell would pass them.
function motsDesChamps(numerateur, denominateur, decomposition) {
  return [numerateur, denominateur, decomposition].filter(function (m) { return m !== ""; });
}

// ---------------------------------------------------------------------------
// The module.

// One whole analysis. mots: the command-line words, each a Uint8Array;
// entree: the input bytes. Returns the two streams' bytes, the status and
// the record of the reports (code, category, position, the bytes covered).
// An exception from the module (a trap) goes to the caller, whose module is
// then spent.
function analyse(module, mots, entree) {
  let tailleMots = 0;
  for (const m of mots) tailleMots += m.length + 1;
  const pMots = module._malloc(tailleMots + 1);
  const pEntree = module._malloc(entree.length + 1);
  try {
    let p = pMots;
    for (const m of mots) {
      module.HEAPU8.set(m, p);
      module.HEAPU8[p + m.length] = 0;
      p += m.length + 1;
    }
    module.HEAPU8.set(entree, pEntree);
    module._rythme_analyse(pMots, mots.length, pEntree, entree.length);
  } finally {
    module._free(pMots);
    module._free(pEntree);
  }
  // Read after the run: the memory may have grown, which replaces HEAPU8.
  const tas = module.HEAPU8;
  const copie = function (p, n) { return tas.slice(p, p + n); };
  const pJson = module._rythme_rapports();
  let fin = pJson;
  while (tas[fin] !== 0) fin++;
  const r = JSON.parse(deLatin1(tas.subarray(pJson, fin)));
  r.sortie = copie(module._rythme_sortie(), module._rythme_taille_sortie());
  r.erreur = copie(module._rythme_erreur(), module._rythme_taille_erreur());
  return r;
}

// ---------------------------------------------------------------------------
// Reading the program's output.

// "$4011": a code as the program writes it.
function ecritCode(code) {
  return "$" + code.toString(16).toUpperCase().padStart(4, "0");
}

// Where a report stands, written as the program writes it.
function ecritPosition(r) {
  if (r.lignes !== 0)
    return "l. " + r.ligne + " col. " + r.colonne + " à l. " + (r.ligne + r.lignes) + " col. " + (r.largeur !== 0 ? r.largeur : 1);
  if (r.largeur > 1) return "l. " + r.ligne + " col. " + r.colonne + " à " + (r.colonne + r.largeur - 1);
  if (r.largeur === 1) return "l. " + r.ligne + " col. " + r.colonne;
  return "l. " + r.ligne + " (col. " + r.colonne + ")";
}

// The lines of the listing. Bytes the scanner echoes (repeat signs, bytes
// that match no rule) come without a line end: what stands before a known
// line is such an echo.
const ligneDeTemps = /^([\s\S]*?)(\S.{2}) = (\d+)\t(\d+)\t([^\t]*)\t([Ff])\t(\d+)\t([^\t]*)\t=\t(-?\d+)$/;
const ligneDeSomme = /^([\s\S]*?)\t\tNombre de temps trouvé\t(-?\d+),\ttotaux\t=\t(-?\d+)$/;
const banniere = /^([\s\S]*?)\*\* (?:Nouvelle analyse|Fin d'analyse) en l\. \d+ col\. \d+$/;

// Standard output, line by line: the measure listing (each measure's beats
// and its summary), and the rest in its order: whole lines (meter
// descriptions, the exit report) and echoes; the banners are left out.
function litListing(sortie) {
  const blocs = [];
  let mesure = null;
  const texte = function (type, ligne) {
    mesure = null;
    const dernier = blocs[blocs.length - 1];
    if (dernier && dernier.type === type) dernier.lignes.push(ligne);
    else blocs.push({ type: type, lignes: [ligne] });
  };
  const lignes = sortie.split("\n");
  if (lignes[lignes.length - 1] === "") lignes.pop();
  for (const ligne of lignes) {
    let m;
    if ((m = banniere.exec(ligne))) {
      if (m[1] !== "") texte("echo", m[1]);
    } else if ((m = ligneDeTemps.exec(ligne))) {
      if (m[1] !== "") texte("echo", m[1]);
      if (mesure === null) blocs.push(mesure = { type: "mesure", temps: [], somme: null });
      mesure.temps.push({ graphie: m[2].trim(), mesure: +m[4], metre: m[5], fort: m[6] === "F",
                          numero: +m[7], texte: m[8], valeur: +m[9] });
    } else if ((m = ligneDeSomme.exec(ligne))) {
      if (m[1] !== "") texte("echo", m[1]);
      if (mesure === null) blocs.push(mesure = { type: "mesure", temps: [], somme: null });
      mesure.somme = { nombre: +m[2], total: +m[3] };
      mesure = null;
    } else {
      texte("texte", ligne);
    }
  }
  return blocs;
}

if (typeof module !== "undefined" && module.exports)
  module.exports = { enLatin1, deLatin1, motsDesChamps, analyse, ecritCode, ecritPosition, litListing };

// ---------------------------------------------------------------------------
// The page.

(function () {
  if (typeof document === "undefined") return;

  const delai = 150;  // ms without typing before the analysis runs again
  const $ = function (id) { return document.getElementById(id); };
  let moduleRythme = null;
  let minuterie = null;
  let dernier = null;  // the last analysis shown: its reports and the text's mapping
  let actif = -1;      // the report selected
  let panneau = null;  // the score

  function element(nom, classe, texte) {
    const e = document.createElement(nom);
    if (classe) e.className = classe;
    if (texte !== undefined) e.textContent = texte;
    return e;
  }

  function chargeModule() {
    moduleRythme = null;
    $("etat").textContent = "Chargement du module…";
    return creeRythme().then(function (m) {
      moduleRythme = m;
      relance(0);
    }, function (e) {
      $("etat").textContent = "Le module WebAssembly n'a pas pu être chargé : " + e;
      $("etat").className = "etat echec";
    });
  }

  function relance(attente) {
    clearTimeout(minuterie);
    minuterie = setTimeout(analyseMaintenant, attente);
  }

  function commande() {
    const mots = motsDesChamps($("numerateur").value, $("denominateur").value, $("decomposition").value);
    const cite = function (m) { return /^[A-Za-z0-9_./+-]+$/.test(m) ? m : "'" + m.replace(/'/g, "'\\''") + "'"; };
    $("commande").textContent = ["rythme"].concat(mots.map(cite)).join(" ") + " < texte";
    return mots;
  }

  function analyseMaintenant() {
    if (moduleRythme === null) return;
    const texte = $("texte").value;
    const mots = commande();
    const code = enLatin1(texte);
    let r;
    try {
      r = analyse(moduleRythme, mots.map(function (m) { return enLatin1(m).octets; }), code.octets);
    } catch (e) {
      // The module stopped inside the analysis: this one is lost, the page
      // goes on with a new module.
      dernier = null;
      montreEchec(String(e && e.message ? e.message : e));
      chargeModule();
      return;
    }
    r.texte = texte;
    r.code = code;
    dernier = r;
    montre(r);
    if (panneau !== null) panneau.montre(r, code.debuts);
  }

  // ----- the text with its marks

  // The text in the mirror behind the text area, each report's extent marked.
  function marqueTexte() {
    const miroir = $("miroir");
    miroir.textContent = "";
    if (dernier === null || dernier.texte !== $("texte").value) return;
    const texte = dernier.texte;
    const debuts = dernier.code.debuts;
    const bornes = new Set([0, texte.length]);
    const zones = [];
    const points = [];
    dernier.rapports.forEach(function (r, i) {
      const a = debuts[r.debut], b = debuts[r.fin];
      if (a === b) points.push({ a: a, i: i });
      else { zones.push({ a: a, b: b, i: i, hors: false }); bornes.add(a); bornes.add(b); }
    });
    dernier.code.hors.forEach(function (h) { zones.push({ a: h[0], b: h[1], i: -1, hors: true }); bornes.add(h[0]); bornes.add(h[1]); });
    points.forEach(function (p) { bornes.add(p.a); });
    const liste = Array.from(bornes).sort(function (x, y) { return x - y; });
    for (let k = 0; k < liste.length; k++) {
      const a = liste[k];
      points.filter(function (p) { return p.a === a; }).forEach(function (p) {
        const s = element("span", "point" + (p.i === actif ? " actif" : ""));
        s.dataset.rapport = p.i;
        miroir.appendChild(s);
      });
      if (k + 1 === liste.length) break;
      const b = liste[k + 1];
      const dessus = zones.filter(function (z) { return z.a <= a && b <= z.b; });
      const morceau = texte.slice(a, b);
      if (dessus.length === 0) { miroir.appendChild(document.createTextNode(morceau)); continue; }
      // A line break covered shows as a blank at the end of its line.
      const s = element("mark", "", morceau.replace(/\n/g, " \n"));
      const classes = [];
      if (dessus.some(function (z) { return z.hors; })) classes.push("hors");
      const rapports = dessus.filter(function (z) { return !z.hors; });
      if (rapports.length > 0) classes.push(rapports.length > 1 ? "plusieurs" : "un");
      if (rapports.some(function (z) { return z.i === actif; })) classes.push("actif");
      s.className = classes.join(" ");
      miroir.appendChild(s);
    }
    // A last line break needs something after it to take its height.
    miroir.appendChild(document.createTextNode("\u200b"));
    suitDefilement();
  }

  function suitDefilement() {
    const t = $("texte"), m = $("miroir");
    m.scrollTop = t.scrollTop;
    m.scrollLeft = t.scrollLeft;
  }

  function selectionne(i) {
    if (dernier === null) return;
    const r = dernier.rapports[i];
    const debuts = dernier.code.debuts;
    actif = i;
    const t = $("texte");
    t.focus();
    t.setSelectionRange(debuts[r.debut], debuts[r.fin]);
    document.querySelectorAll("#diagnostics li").forEach(function (li) {
      li.classList.toggle("actif", +li.dataset.rapport === i);
    });
    marqueTexte();
  }

  // The reports about the character under the caret are shown in the list.
  function montreSousCurseur() {
    if (dernier === null || dernier.texte !== $("texte").value) return;
    const t = $("texte");
    if (t.selectionStart !== t.selectionEnd) return;
    const c = t.selectionStart;
    const debuts = dernier.code.debuts;
    let premier = null;
    document.querySelectorAll("#diagnostics li[data-rapport]").forEach(function (li) {
      const r = dernier.rapports[+li.dataset.rapport];
      const a = debuts[r.debut], b = debuts[r.fin];
      const dessous = a === b ? c === a : a <= c && c < b;
      li.classList.toggle("sous-curseur", dessous);
      if (dessous && premier === null) premier = li;
    });
    if (premier !== null) premier.scrollIntoView({ block: "nearest" });
  }

  // ----- the panels

  function montreEchec(message) {
    $("etat").className = "etat echec";
    $("etat").textContent = "Le module s'est arrêté pendant l'analyse (" + message + ") : cette analyse est perdue, le module est rechargé.";
    $("diagnostics").textContent = "";
    $("listing").textContent = "";
    $("nombre").textContent = "";
    $("miroir").textContent = "";
  }

  function montre(r) {
    const sortie = deLatin1(r.sortie);
    const erreur = deLatin1(r.erreur);
    const interne = r.echec_interne || r.hors_rapports !== "";

    // The exit status in words.
    const etat = $("etat");
    if (interne) {
      etat.className = "etat echec";
      etat.textContent = "Erreur interne : l'analyse a été interrompue (statut " + r.statut + ")." +
        (r.hors_rapports !== "" ? " " + r.hors_rapports.trim() : "");
    } else if (r.statut === 0) {
      etat.className = "etat reussite";
      etat.textContent = "Analyse terminée sur la double barre finale (statut 0).";
    } else {
      etat.className = "etat echec";
      etat.textContent = "Analyse arrêtée en erreur, sans atteindre la double barre finale (statut " + r.statut + ").";
    }
    const hors = r.code.hors.length;
    $("hors").hidden = hors === 0;
    $("hors").textContent = hors === 0 ? "" :
      hors + (hors > 1 ? " caractères hors de Latin-1 ont été envoyés" : " caractère hors de Latin-1 a été envoyé") +
      " au vérificateur comme « ? » (marqués en orange) : un fichier Latin-1 ne peut pas les contenir.";

    // The reports.
    if (actif >= r.rapports.length) actif = -1;
    const liste = $("diagnostics");
    liste.textContent = "";
    $("nombre").textContent = r.rapports.length === 0 ? "aucun" : String(r.rapports.length);
    if (r.rapports.length === 0) liste.appendChild(element("li", "vide", "Aucun diagnostic."));
    r.rapports.forEach(function (d, i) {
      const li = element("li", i === actif ? "actif" : "");
      li.dataset.rapport = i;
      li.tabIndex = 0;
      const tete = element("div", "tete");
      tete.appendChild(element("span", "position", ecritPosition(d)));
      tete.appendChild(element("span", "lieu", "m. " + d.mesure + (d.au_dela ? "  tps(" + d.temps + ")" : "  tps " + d.temps)));
      const code = element("span", "code", ecritCode(d.code) + " " + d.categorie);
      code.title = d.description;
      tete.appendChild(code);
      li.appendChild(tete);
      li.appendChild(element("div", "message", d.message));
      li.addEventListener("click", function () { selectionne(i); });
      li.addEventListener("keydown", function (e) { if (e.key === "Enter" || e.key === " ") { e.preventDefault(); selectionne(i); } });
      liste.appendChild(li);
    });

    // The listing.
    const listing = $("listing");
    listing.textContent = "";
    const blocs = litListing(sortie);
    let table = null;
    const nouvelleTable = function () {
      table = element("table");
      const colonnes = element("colgroup");
      ["4.5em", "9em", "4.5em", "5.5em", "", "4.5em"].forEach(function (l) {
        const c = element("col");
        if (l) c.style.width = l;
        colonnes.appendChild(c);
      });
      table.appendChild(colonnes);
      const tr = element("tr");
      ["Mesure", "Mètre", "Temps", "Accent", "Texte", "Valeur"].forEach(function (t) { tr.appendChild(element("th", "", t)); });
      const thead = element("thead");
      thead.appendChild(tr);
      table.appendChild(thead);
      listing.appendChild(table);
    };
    blocs.forEach(function (b) {
      if (b.type !== "mesure") {
        // Lines before the first measure describe the meter; later ones, and
        // the echoes, stand in the table where they come.
        if (b.type === "texte" && table === null) {
          listing.appendChild(element("pre", "description", b.lignes.join("\n")));
          return;
        }
        if (table === null) nouvelleTable();
        const tbody = element("tbody", "note");
        const tr = element("tr");
        const td = element("td", "", b.lignes.join("\n"));
        td.colSpan = 6;
        tr.appendChild(td);
        tbody.appendChild(tr);
        table.appendChild(tbody);
        return;
      }
      if (table === null) nouvelleTable();
      const tbody = element("tbody", "mesure");
      b.temps.forEach(function (t, k) {
        const tr = element("tr");
        tr.appendChild(element("td", "nombre", k === 0 ? String(t.mesure) : ""));
        tr.appendChild(element("td", "metre", k === 0 ? t.metre + " (" + t.graphie + " = 60)" : ""));
        tr.appendChild(element("td", "nombre", String(t.numero)));
        tr.appendChild(element("td", t.fort ? "fort" : "faible", t.fort ? "fort" : "faible"));
        tr.appendChild(element("td", "graphie", t.texte));
        tr.appendChild(element("td", "nombre", String(t.valeur)));
        tbody.appendChild(tr);
      });
      if (b.somme !== null) {
        const tr = element("tr", "somme");
        tr.appendChild(element("td", "", ""));
        const td = element("td", "", b.somme.nombre + (b.somme.nombre > 1 ? " temps trouvés" : " temps trouvé") + ", total");
        td.colSpan = 4;
        tr.appendChild(td);
        tr.appendChild(element("td", "nombre", String(b.somme.total)));
        tbody.appendChild(tr);
      }
      table.appendChild(tbody);
    });
    if (blocs.length === 0) listing.appendChild(element("p", "vide", "Aucune mesure fermée."));

    // The raw streams.
    $("sortie").textContent = sortie;
    $("erreur").textContent = erreur;
    $("taille-sortie").textContent = r.sortie.length + " octets";
    $("taille-erreur").textContent = r.erreur.length + " octets";

    marqueTexte();
  }

  function copie(id, bouton) {
    const texte = $(id).textContent;
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

  function chargeExemple(i) {
    const e = EXEMPLES[i];
    $("texte").value = e.texte;
    $("numerateur").value = e.mots[0] || "";
    $("denominateur").value = e.mots[1] || "";
    $("decomposition").value = e.mots[2] || "";
    actif = -1;
    relance(0);
  }

  document.addEventListener("DOMContentLoaded", function () {
    const menu = $("exemples");
    EXEMPLES.forEach(function (e, i) {
      const o = element("option", "", e.nom + (e.mots.length ? "  (" + e.mots.join(" ") + ")" : ""));
      o.value = i;
      o.title = e.quoi;
      menu.appendChild(o);
    });
    menu.addEventListener("change", function () { if (menu.value !== "") chargeExemple(+menu.value); });
    ["texte", "numerateur", "denominateur", "decomposition"].forEach(function (id) {
      $(id).addEventListener("input", function () {
        actif = -1;
        menu.value = "";  // the text or the command is no longer the example's
        $("miroir").textContent = "";
        relance(delai);
      });
    });
    $("texte").addEventListener("scroll", suitDefilement);
    ["click", "keyup"].forEach(function (t) { $("texte").addEventListener(t, montreSousCurseur); });
    $("copie-sortie").addEventListener("click", function () { copie("sortie", this); });
    $("copie-erreur").addEventListener("click", function () { copie("erreur", this); });
    panneau = new PanneauPartition({ partition: $("partition"), tempo: $("tempo"), joue: $("joue"), arrete: $("arrete"),
                                     boucle: $("boucle"), metronome: $("metronome"), texte: $("texte"),
                                     selectionneRapport: selectionne });
    window.panneauPartition = panneau;
    chargeExemple(0);
    menu.value = "0";
    chargeModule();
  });
})();
