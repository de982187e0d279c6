// The page's script: it sends the text and the meter to the checker, which
// runs in a Web Worker (travailleur.js), and shows the records it answers:
// the verdict, the reports (each on the characters it is about), the
// measures. It keeps no rule of the checker and reads none of its output:
// the raw streams are only shown.
// EXEMPLES (the shipped examples) is written above this by the build.

(function () {
  if (typeof document === "undefined") return;

  const $ = function (id) { return document.getElementById(id); };
  const calme = 1500;           // ms without typing after which the end of the text is judged too
  const attenteLongue = 250;    // ms of analysis after which "analyse en cours…" shows
  const limite = 30000;         // ms after which an analysis is given up: "texte trop long"
  const hauteurRang = 26;       // px, the listing's rows (index.html)
  const lienMax = 60000;        // characters of text a shared link may carry
  const brutMontre = 256 * 1024;  // bytes of each raw stream put in the page; the rest is downloaded
  const relance = 500;          // ms of a run after which a newer edit stops it rather than waits
  const cleTravail = "rythme.travail";

  // The signs, for the legend and the palette: [note, rest, value, name of the note, name of the rest].
  const SIGNES = [
    ["o", "-", "1", "ronde", "pause"],
    ["d", "=", "1/2", "blanche", "demi-pause"],
    ["!", "<", "1/4", "noire", "soupir"],
    ["[", ">", "1/8", "croche", "demi-soupir"],
    ["f", "k", "1/16", "double croche", "quart de soupir"],
    ["t", "x", "1/32", "triple croche", "huitième de soupir"],
    ["q", "w", "1/64", "quadruple croche", "seizième de soupir"],
  ];
  const AUTRES = [
    [".", "point (prolonge de moitié)"], ["_", "liaison"], [" ", "fin du temps (espace)"],
    ["|", "barre de mesure"], ["||", "double barre finale"], ["(", "début de groupe (triolet…)"],
    [")3", "fin de triolet (chiffre de 2 à 7 : le genre du groupe)"], ["\n", "nouvelle ligne"],
    ["|:", "début de reprise"], [":|", "fin de reprise"], ["|1.", "première fin (|2. la deuxième…)"],
    ["3/4", "changement de mesure"], ["C", "mesure à 4/4 (C)"], ["C\\", "mesure à 2/2 (C barré)"],
  ];
  // The examples by what they show.
  const TITRES = {
    "quatre_temps.txt": "Une pièce juste à 4/4 : noires, croches, liaison, triolet, silences",
    "valse.txt": "Une valse à 3/4 comptée à la noire",
    "six_huit.txt": "Du 6/8 en deux temps, avec un duolet",
    "changements.txt": "Des changements de mesure dans le texte : 4/4, 3/4, 2/4, C, C barré, 6/8",
    "triolets_liaisons.txt": "Groupes et liaisons, dans la mesure et par-dessus la barre",
    "reprises.txt": "Signes de reprise et fins alternatives",
    "fautes.txt": "Fautes typiques : barres précoces et tardives, valeur trop pointée…",
  };
  const CHAMPS = ["Numérateur", "Dénominateur", "Décomposition"];
  const NATURES = {
    faute: "Faute", correction: "Notation corrigée", conseil: "Conseil",
    renseignement: "Mesure déduite", fin: "Fin d'analyse", "en-cours": "Mesure en cours",
  };

  // ----- state

  let travailleur = null;
  let numero = 0;            // of the latest request
  let enVol = null;          // the request the worker is running: { id, debut, minuterie }
  let enAttente = null;      // the latest edit, waiting for the worker
  let dernier = null;        // the last result shown, with its text and words
  let actif = -1;            // the report selected
  let derniereFrappe = -Infinity;  // when the user last typed in the text (never, for a text opened)
  let minuterieCalme = null;
  let minuterieSauve = null;
  let rangs = [];            // the listing's rows
  let debutsMesures = null;  // the first row of each measure, by number
  let partition = null;      // the score and its playback (portee.js)
  let titre = "rythme";      // the text's name, for the files saved: the file opened, or the example chosen

  function element(nom, classe, texte) {
    const e = document.createElement(nom);
    if (classe) e.className = classe;
    if (texte !== undefined) e.textContent = texte;
    return e;
  }

  // ----- the worker

  function demarreTravailleur() {
    const source = "(" + travailleurRythme.toString() + ")();";
    const url = URL.createObjectURL(new Blob([source], { type: "text/javascript" }));
    travailleur = new Worker(url);
    travailleur.onmessage = recoit;
    travailleur.onerror = function (e) {
      if (enVol !== null) finVol();
      travailleur.terminate();
      demarreTravailleur();
      dernier = null;
      montreEchec("le travailleur s'est arrêté : " + (e.message || e));
    };
  }

  // The words of the fields as a shell would pass them: none when all are
  // empty; otherwise the numerator and the denominator, and the decomposition
  // when it is filled. An empty field is an empty word, never skipped: the
  // checker says what it makes of it.
  function mots() {
    const champs = [$("numerateur").value, $("denominateur").value, $("decomposition").value];
    while (champs.length > 2 && champs[champs.length - 1] === "") champs.pop();
    if (champs.every(function (c) { return c === ""; })) return [];
    return champs;
  }

  function ecritCommande(m) {
    const cite = function (x) { return /^[A-Za-z0-9_./+-]+$/.test(x) ? x : "'" + x.replace(/'/g, "'\\''") + "'"; };
    $("commande").textContent = ["rythme"].concat(m.map(cite)).join(" ") + " < texte";
  }

  // A new analysis of the text and fields as they are now: sent at once if the
  // worker is free, otherwise kept as the one to run next (replacing any older).
  function demande() {
    const m = mots();
    ecritCommande(m);
    enAttente = { id: ++numero, mots: m, texte: $("texte").value };
    // The verdict shown is no longer the text's: greyed, "analyse en cours…"
    // (after a moment, so that a quick analysis does not flicker).
    $("verdict").classList.add("perime");
    // A long run made stale is stopped: its worker is replaced.
    if (enVol !== null && performance.now() - enVol.debut > relance) {
      finVol();
      travailleur.terminate();
      demarreTravailleur();
    }
    envoie();
  }

  function envoie() {
    if (enVol !== null || enAttente === null || travailleur === null) return;
    const d = enAttente;
    enAttente = null;
    enVol = { id: d.id, debut: performance.now(), texte: d.texte, mots: d.mots };
    enVol.indicateur = setTimeout(function () { $("en-cours").hidden = false; }, attenteLongue);
    enVol.minuterie = setTimeout(abandonne, limite);
    travailleur.postMessage({ id: d.id, mots: d.mots, texte: d.texte });
  }

  function finVol() {
    clearTimeout(enVol.indicateur);
    clearTimeout(enVol.minuterie);
    $("en-cours").hidden = true;
    enVol = null;
  }

  // An analysis that takes too long: the worker is replaced, the text stays.
  function abandonne() {
    const texte = enVol.texte;
    finVol();
    travailleur.terminate();
    demarreTravailleur();
    if (enAttente === null || enAttente.texte === texte) {
      enAttente = null;
      dernier = null;
      montreVerdict([{ texte: "✖ Texte trop long : l'analyse n'a pas abouti en " + limite / 1000 + " s." }], "echec");
      videPanneaux();
    }
    envoie();
  }

  function recoit(e) {
    const reponse = e.data;
    if (enVol === null || reponse.id !== enVol.id) return;
    const vol = enVol;
    finVol();
    // A newer edit is waiting: this result is stale, the newer one runs.
    if (enAttente !== null) {
      envoie();
      return;
    }
    if (reponse.echec !== undefined) {
      dernier = null;
      montreEchec(reponse.echec);
      return;
    }
    const r = reponse.resultat;
    r.texte = vol.texte;
    r.mots = vol.mots;
    r.duree = reponse.duree;
    dernier = r;
    montre();
    document.dispatchEvent(new CustomEvent("rythme-analyse", { detail: r }));
  }

  // ----- what is shown

  function montre() {
    const r = dernier;
    if (actif >= r.rapports.length) actif = -1;
    classeRapports(r);
    const echec = r.fatal !== "" || r.mot_refuse >= 0 || r.fautives.length > 0 || (!r.verdict.reussite && !enCours(r));
    montreVerdict(verdict(r), echec ? "echec" : (r.verdict.reussite && r.mesures.length > 0 ? "reussite" : ""));
    montreChamps(r);
    montreHors(r);
    montreRapports(r);
    marqueTexte();
    construitListing(r);
    montreBrut();
    if (partition !== null) partition.montre(r);
  }

  // Whether the caret stands at the end of the text (only blanks after it),
  // with the user typing there.
  function saisieEnFin() {
    const t = $("texte");
    if (performance.now() - derniereFrappe > calme) return false;
    if (t.selectionStart !== t.selectionEnd) return false;
    return /^\s*$/.test(t.value.slice(t.selectionEnd));
  }

  // A report that counts as a fault: what the checker counts so (all but
  // advice and the meter inferred), the end in error included.
  function estFaute(classe) { return classe === "faute" || classe === "correction" || classe === "fin"; }
  function enCours(r) { return r.rapports.some(function (d) { return d.classe === "en-cours"; }); }

  // Each report's class: its kind, or "en-cours" for a report that one more
  // key at the end of the text could still change, while the user is typing
  // there: a blank, a new line or a tie ending the text, an unfinished last
  // measure, an open group. A bar the user wrote closes its measure: what is
  // said about it is judged at once. The faulty measures are the checker's,
  // less those whose faults are all in progress.
  function classeRapports(r) {
    let fin = r.texte.length;  // past the last character other than a blank
    while (fin > 0 && /\s/.test(r.texte[fin - 1])) fin--;
    const enFin = saisieEnFin() && !/[|]$/.test(r.texte.slice(0, fin));
    const fermes = new Set(), provisoires = new Set();
    r.rapports.forEach(function (d) {
      d.classe = enFin && Math.max(d.debut, d.fin) >= fin - 1 && d.nature !== "conseil" && d.nature !== "renseignement"
        ? "en-cours" : d.nature;
      if (estFaute(d.classe)) fermes.add(d.mesure);
      if (d.classe === "en-cours") provisoires.add(d.mesure);
    });
    r.fautives = r.verdict.mesures_fautives.filter(function (m) { return fermes.has(m) || !provisoires.has(m); });
  }

  // After a pause, or once the caret has left the end of the text: shown
  // again if a report in progress is now judged.
  function rejuge() {
    if (dernier === null || dernier.texte !== $("texte").value) return;
    const avant = dernier.rapports.map(function (d) { return d.classe; }).join();
    classeRapports(dernier);
    if (dernier.rapports.map(function (d) { return d.classe; }).join() !== avant) montre();
  }

  // The verdict, as lines of parts: text, or a link to a measure.
  function verdict(r) {
    const lignes = [];
    if (r.mot_refuse >= 0) {
      lignes.push([{ texte: "✖ La mesure n'est pas acceptée : voyez le champ « " + CHAMPS[r.mot_refuse] + " »." }]);
      return lignes;
    }
    if (r.fatal !== "") {
      lignes.push([{ texte: "✖ Le vérificateur s'est arrêté : " + r.fatal.trim() }]);
      return lignes;
    }
    const n = r.mesures.length;
    const mesures = n + (n > 1 ? " mesures" : " mesure");
    if (r.texte.trim() === "" && n === 0) {
      lignes.push([{ texte: "Texte vide : écrivez des notes, ou choisissez un exemple." }]);
    } else if (r.fautives.length === 0 && r.verdict.reussite) {
      lignes.push([{ texte: "✔ " + mesures + ", aucune faute" }]);
    } else if (r.fautives.length === 0 && enCours(r)) {
      // Nothing judged faulty yet, but not a success either: the checker
      // would end with status 1 on the text as it stands.
      lignes.push([{ texte: n === 0 ? "… Mesure en cours, aucune faute jusqu'ici." : "… " + mesures + ", aucune faute jusqu'ici (mesure en cours)" }]);
    } else if (r.fautives.length === 0) {
      lignes.push([{ texte: "✖ Le texte n'est pas vérifié jusqu'au bout (statut de sortie " + r.verdict.statut + ") : voyez les diagnostics." }]);
    } else {
      const k = r.fautives.length;
      // Beyond the reports listed, more measures may be faulty.
      const auMoins = r.rapports_omis > 0 ? "au moins " : "";
      const parties = [{ texte: "✖ " + auMoins + k + (k > 1 ? " mesures fautives : m. " : " mesure fautive : m. ") }];
      r.fautives.slice(0, 30).forEach(function (m, i) {
        if (i > 0) parties.push({ texte: ", " });
        parties.push({ mesure: m });
      });
      if (k > 30) parties.push({ texte: "…" });
      if (n > 0 && !(k === 1 && n === 1)) parties.push({ texte: " (sur " + mesures + ")" });
      lignes.push(parties);
    }
    const conseils = r.rapports.filter(function (d) { return d.classe === "conseil"; }).length;
    if (conseils > 0) lignes.push([{ texte: conseils + (conseils > 1 ? " conseils" : " conseil") + " d'écriture, à lire dans les diagnostics.", classe: "conseils" }]);
    // What the checker says about the end of the text, in its words.
    r.rapports.filter(function (d) { return d.classe === "fin"; }).slice(0, 2).forEach(function (d) {
      lignes.push([{ texte: "⚠ " + d.message.split("\n")[0], classe: "fin" }]);
    });
    if (r.texte.trim() !== "" || n > 0)
      lignes.push([{ texte: r.double_barre ? "Double barre finale atteinte." :
                     "Pas de double barre finale : l'analyse s'arrête à la fin du texte.", classe: "barre-finale" }]);
    if (r.rapports_omis > 0)
      lignes.push([{ texte: "Seuls les " + r.rapports.length + " premiers diagnostics sont listés ; " + r.rapports_omis + " autres sont dans la sortie brute." }]);
    return lignes;
  }

  // Written only when it changes, so that a screen reader hears it once.
  function montreVerdict(lignes, classe) {
    if (!Array.isArray(lignes[0])) lignes = [lignes];
    const v = $("verdict");
    v.classList.remove("perime");
    const cle = JSON.stringify(lignes) + classe;
    if (v.dataset.cle === cle) return;
    v.dataset.cle = cle;
    v.className = "verdict " + (classe || "");
    v.textContent = "";
    lignes.forEach(function (parties) {
      const p = element("p", "ligne");
      parties.forEach(function (x) {
        if (x.mesure !== undefined) {
          const b = element("button", "lien", String(x.mesure));
          b.type = "button";
          b.title = "Aller à la mesure " + x.mesure;
          b.addEventListener("click", function () { allerALaMesure(x.mesure); });
          p.appendChild(b);
        } else {
          const s = element("span", x.classe || "", x.texte);
          p.appendChild(s);
        }
      });
      v.appendChild(p);
    });
  }

  function montreEchec(message) {
    montreVerdict([{ texte: "✖ Le module s'est arrêté pendant l'analyse (" + message + ") : cette analyse est perdue." }], "echec");
    videPanneaux();
  }

  function videPanneaux() {
    $("diagnostics").textContent = "";
    $("nombre").textContent = "";
    $("miroir").textContent = "";
    rangs = [];
    $("listing").textContent = "";
    $("description").hidden = true;
    montreBrut();
  }

  // A wrong word of the command line, shown at its field.
  function montreChamps(r) {
    const champs = ["numerateur", "denominateur", "decomposition"];
    champs.forEach(function (id, i) {
      const faux = r.mot_refuse === i;
      $(id).setAttribute("aria-invalid", faux ? "true" : "false");
      $("erreur-" + id).hidden = !faux;
      $("erreur-" + id).textContent = faux ? r.refus.trim() : "";
    });
  }

  function montreHors(r) {
    const hors = r.hors.length;
    $("hors").hidden = hors === 0;
    $("hors").textContent = hors === 0 ? "" :
      hors + (hors > 1 ? " caractères hors de Latin-1 ont été envoyés" : " caractère hors de Latin-1 a été envoyé") +
      " au vérificateur comme « ? » (marqués en orange) : un fichier Latin-1 ne peut pas les contenir.";
  }

  // ----- the reports

  function montreRapports(r) {
    const liste = $("diagnostics");
    liste.textContent = "";
    $("nombre").textContent = r.rapports.length === 0 ? "aucun" : String(r.rapports.length + r.rapports_omis);
    if (r.rapports.length === 0) liste.appendChild(element("li", "vide", "Aucun diagnostic."));
    const fragment = document.createDocumentFragment();
    r.rapports.forEach(function (d, i) {
      const li = element("li", d.classe + (i === actif ? " actif" : ""));
      li.dataset.rapport = i;
      const b = element("button");
      b.type = "button";
      const tete = element("span", "tete");
      tete.appendChild(element("span", "lieu", "m. " + d.mesure + " · tps " + d.temps + (d.au_dela ? " (au-delà de la mesure)" : "")));
      tete.appendChild(element("span", "nature", NATURES[d.classe]));
      b.appendChild(tete);
      b.appendChild(element("span", "message", d.message));
      const pied = element("span", "pied", d.position + (d.code !== 0 ? " · $" + d.code.toString(16).toUpperCase().padStart(4, "0") + " " + d.categorie : ""));
      pied.title = d.description;
      b.appendChild(pied);
      b.querySelectorAll("span.message, span.pied").forEach(function (s) { s.style.display = "block"; });
      b.addEventListener("click", function () { selectionne(i); });
      li.appendChild(b);
      fragment.appendChild(li);
    });
    if (r.rapports_omis > 0) fragment.appendChild(element("li", "omis", "… et " + r.rapports_omis + " autres, dans la sortie brute."));
    liste.appendChild(fragment);
  }

  function selectionne(i) {
    if (dernier === null || dernier.texte !== $("texte").value) return;
    const r = dernier.rapports[i];
    actif = i;
    const t = $("texte");
    t.focus();
    t.setSelectionRange(r.debut, r.fin);
    visible(t, r.debut);
    document.querySelectorAll("#diagnostics li[data-rapport]").forEach(function (li) {
      li.classList.toggle("actif", +li.dataset.rapport === i);
    });
    const li = document.querySelector('#diagnostics li[data-rapport="' + i + '"]');
    if (li) li.scrollIntoView({ block: "nearest" });
    marqueTexte();
  }

  // Scrolls the text area to the line of a character.
  function visible(t, position) {
    const ligne = t.value.slice(0, position).split("\n").length - 1;
    const hauteur = parseFloat(getComputedStyle(t).lineHeight) || 27;
    const haut = ligne * hauteur;
    if (haut < t.scrollTop || haut > t.scrollTop + t.clientHeight - 2 * hauteur)
      t.scrollTop = Math.max(0, haut - t.clientHeight / 3);
  }

  // The next (sens 1) or previous (sens -1) fault from the caret, F8 and Maj+F8.
  function fauteVoisine(sens) {
    if (dernier === null || dernier.texte !== $("texte").value) return;
    const fautes = [];
    dernier.rapports.forEach(function (d, i) { if (estFaute(d.classe)) fautes.push(i); });
    if (fautes.length === 0) return;
    let k;
    if (actif >= 0 && fautes.indexOf(actif) >= 0) {
      k = (fautes.indexOf(actif) + sens + fautes.length) % fautes.length;
    } else {
      const c = $("texte").selectionStart;
      const apres = fautes.filter(function (i) { return sens > 0 ? dernier.rapports[i].debut >= c : dernier.rapports[i].debut < c; });
      const choix = apres.length > 0 ? (sens > 0 ? apres[0] : apres[apres.length - 1]) : (sens > 0 ? fautes[0] : fautes[fautes.length - 1]);
      k = fautes.indexOf(choix);
    }
    selectionne(fautes[k]);
  }

  function allerALaMesure(m) {
    if (dernier === null) return;
    const i = dernier.rapports.findIndex(function (d) { return d.mesure === m && estFaute(d.classe); });
    if (i >= 0) selectionne(i);
    const rang = debutsMesures !== null ? debutsMesures.get(m) : undefined;
    if (rang !== undefined) $("listing").scrollTop = Math.max(0, rang * hauteurRang - hauteurRang);
  }

  // The reports about the character under the caret stand out in the list.
  function montreSousCurseur() {
    if (dernier === null || dernier.texte !== $("texte").value) return;
    const t = $("texte");
    if (t.selectionStart !== t.selectionEnd) return;
    const c = t.selectionStart;
    let premier = null;
    document.querySelectorAll("#diagnostics li[data-rapport]").forEach(function (li) {
      const r = dernier.rapports[+li.dataset.rapport];
      const dessous = r.debut === r.fin ? c === r.debut : r.debut <= c && c < r.fin;
      li.classList.toggle("sous-curseur", dessous);
      if (dessous && premier === null) premier = li;
    });
    if (premier !== null) premier.scrollIntoView({ block: "nearest" });
  }

  // ----- the text with its marks

  // The text in the mirror behind the text area, each report's extent marked,
  // in one pass over the starts and ends sorted.
  function marqueTexte() {
    const miroir = $("miroir");
    miroir.textContent = "";
    if (dernier === null || dernier.texte !== $("texte").value) return;
    const texte = dernier.texte;
    const evenements = [];  // [position, 0 end / 1 point / 2 start, zone]
    dernier.rapports.forEach(function (r, i) {
      if (r.classe === "renseignement") return;
      const z = { i: i, classe: r.classe === "correction" ? "faute" : r.classe === "fin" ? "en-cours" : r.classe };
      if (r.debut === r.fin) evenements.push([r.debut, 1, z]);
      else { evenements.push([r.debut, 2, z]); evenements.push([r.fin, 0, z]); }
    });
    dernier.hors.forEach(function (h) {
      const z = { i: -1, classe: "hors" };
      evenements.push([h[0], 2, z]);
      evenements.push([h[1], 0, z]);
    });
    evenements.sort(function (a, b) { return a[0] - b[0] || a[1] - b[1]; });
    const fragment = document.createDocumentFragment();
    const ouvertes = new Set();
    let position = 0;
    const morceau = function (jusque) {
      if (jusque <= position) return;
      const bout = texte.slice(position, jusque);
      if (ouvertes.size === 0) {
        fragment.appendChild(document.createTextNode(bout));
      } else {
        // A line break covered shows as a blank at the end of its line.
        const m = element("mark", "", bout.replace(/\n/g, " \n"));
        const classes = new Set();
        let rapports = 0;
        ouvertes.forEach(function (z) {
          classes.add(z.classe);
          if (z.i === actif) classes.add("actif");
          if (z.i >= 0) rapports++;
        });
        if (rapports > 1) classes.add("plusieurs");
        m.className = Array.from(classes).join(" ");
        fragment.appendChild(m);
      }
      position = jusque;
    };
    for (const [p, sorte, z] of evenements) {
      morceau(p);
      if (sorte === 0) ouvertes.delete(z);
      else if (sorte === 2) ouvertes.add(z);
      else {
        const s = element("span", "point " + z.classe + (z.i === actif ? " actif" : ""));
        fragment.appendChild(s);
      }
    }
    morceau(texte.length);
    // A last line break needs something after it to take its height.
    fragment.appendChild(document.createTextNode("\u200b"));
    miroir.appendChild(fragment);
    suitDefilement();
  }

  function suitDefilement() {
    const t = $("texte"), m = $("miroir");
    m.scrollTop = t.scrollTop;
    m.scrollLeft = t.scrollLeft;
  }

  // ----- the listing: rows built as they come into view

  function construitListing(r) {
    const d = $("description");
    d.hidden = r.description === "";
    d.textContent = r.description;
    const fautives = new Set(r.fautives);
    rangs = [];
    debutsMesures = new Map();
    r.mesures.forEach(function (m) {
      if (!debutsMesures.has(m.numero)) debutsMesures.set(m.numero, rangs.length);
      m.temps.forEach(function (t, k) { rangs.push({ mesure: m, temps: t, k: k, fautive: fautives.has(m.numero) }); });
      rangs.push({ mesure: m, somme: true });
    });
    $("nombre-mesures").textContent = String(r.mesures.length);
    const listing = $("listing");
    listing.textContent = "";
    if (rangs.length === 0) {
      listing.style.height = "";
      listing.appendChild(element("p", "vide", "Aucune mesure fermée."));
      return;
    }
    listing.style.height = Math.min(420, rangs.length * hauteurRang) + "px";
    const espace = element("div");
    espace.style.height = rangs.length * hauteurRang + "px";
    listing.appendChild(espace);
    listing.dataset.premier = "-1";
    rangsVisibles();
  }

  function rangsVisibles() {
    const listing = $("listing");
    if (rangs.length === 0) return;
    const premier = Math.max(0, Math.floor(listing.scrollTop / hauteurRang) - 5);
    const dernierRang = Math.min(rangs.length, premier + Math.ceil((listing.clientHeight || 420) / hauteurRang) + 10);
    if (listing.dataset.premier === String(premier) && listing.dataset.dernier === String(dernierRang)) return;
    listing.dataset.premier = premier;
    listing.dataset.dernier = dernierRang;
    while (listing.childNodes.length > 1) listing.removeChild(listing.lastChild);
    const fragment = document.createDocumentFragment();
    for (let i = premier; i < dernierRang; i++) fragment.appendChild(rang(rangs[i], i));
    listing.appendChild(fragment);
  }

  function rang(x, i) {
    const div = element("div", "rang" + (x.somme ? " somme" : "") + (x.fautive ? " fautive" : ""));
    div.setAttribute("role", "listitem");
    div.style.top = i * hauteurRang + "px";
    const m = x.mesure;
    if (x.somme) {
      const n = m.temps.length;
      div.appendChild(element("span", "n", ""));
      div.appendChild(element("span", "m", ""));
      const s = element("span", "", n + (n > 1 ? " temps, total " : " temps, total ") + m.total);
      s.style.gridColumn = "3 / -1";
      div.appendChild(s);
      return div;
    }
    const t = x.temps;  // [text, value, strong, start, end]
    div.appendChild(element("span", "n", x.k === 0 ? String(m.numero) : ""));
    div.appendChild(element("span", "m", x.k === 0 ? m.metre + (m.graphie !== "" ? " (" + m.graphie + ")" : "") : ""));
    div.appendChild(element("span", "t", String(x.k + 1)));
    div.appendChild(element("span", t[2] ? "fort" : "faible", t[2] ? "fort" : "faible"));
    const g = element("span", "g", t[0]);
    g.title = t[0];
    div.appendChild(g);
    div.appendChild(element("span", "v", String(t[1])));
    div.addEventListener("click", function () {
      if (dernier === null || dernier.texte !== $("texte").value) return;
      $("texte").focus();
      $("texte").setSelectionRange(t[3], t[4]);
      visible($("texte"), t[3]);
    });
    return div;
  }

  // ----- the raw streams, filled when their panel is open

  function montreBrut() {
    const ouvert = $("brut").open;
    const r = dernier;
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
  function telechargeFlux(quoi) {
    if (dernier === null) return;
    const a = element("a");
    a.href = URL.createObjectURL(new Blob([dernier[quoi]], { type: "text/plain;charset=iso-8859-1" }));
    a.download = titre + (quoi === "sortie" ? ".sortie.txt" : ".erreur.txt");
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(function () { URL.revokeObjectURL(a.href); }, 1000);
  }

  function deLatin1(octets) {
    let s = "";
    for (let i = 0; i < octets.length; i += 8192)
      s += String.fromCharCode.apply(null, octets.subarray(i, i + 8192));
    return s;
  }

  function copie(id, bouton) {
    const texte = dernier !== null ? deLatin1(dernier[id]) : $(id).textContent;  // the whole stream, not the part shown
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

  // ----- work kept: the browser's storage, the link, the file

  function travail() {
    return { texte: $("texte").value, n: $("numerateur").value, d: $("denominateur").value, k: $("decomposition").value };
  }

  function pose(t) {
    $("texte").value = t.texte || "";
    $("numerateur").value = t.n || "";
    $("denominateur").value = t.d || "";
    $("decomposition").value = t.k || "";
    actif = -1;
  }

  function gardeMaintenant() {
    clearTimeout(minuterieSauve);
    try { localStorage.setItem(cleTravail, JSON.stringify(travail())); } catch (e) { /* storage full or refused: nothing kept */ }
  }

  function sauve() {
    clearTimeout(minuterieSauve);
    minuterieSauve = setTimeout(gardeMaintenant, 300);
  }

  function depuisLien() {
    if (location.hash.length < 2) return null;
    const p = new URLSearchParams(location.hash.slice(1));
    if (!p.has("t")) return null;
    return { texte: p.get("t"), n: p.get("n") || "", d: p.get("d") || "", k: p.get("k") || "" };
  }

  function avisOutils(texte) {
    $("avis-outils").textContent = texte;
    setTimeout(function () { if ($("avis-outils").textContent === texte) $("avis-outils").textContent = ""; }, 4000);
  }

  function partage() {
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

  // A .txt file is read as a console user's file is: Latin-1 bytes.
  function ouvre(fichier) {
    const lecteur = new FileReader();
    lecteur.onload = function () {
      const octets = new Uint8Array(lecteur.result);
      // A file in UTF-8 (bytes above 127 that make valid UTF-8) is read so;
      // its characters outside Latin-1 are then sent as '?', as typed ones.
      let texte = null;
      if (octets.some(function (o) { return o > 127; })) {
        try { texte = new TextDecoder("utf-8", { fatal: true }).decode(octets); } catch (e) { texte = null; }
      }
      const utf8 = texte !== null;
      $("texte").value = utf8 ? texte : deLatin1(octets);
      $("exemples").value = "";
      titre = fichier.name.replace(/\.[^.]*$/, "") || "rythme";
      modifie(false);
      // A text box holds no carriage return: say what the console would do.
      const cr = octets.indexOf(13) >= 0;
      avisOutils("« " + fichier.name + " » ouvert" + (utf8 ? ", lu en UTF-8" : "") +
                 (cr ? " ; fins de ligne Windows converties (la console compterait chaque retour chariot comme une barre : tr -d '\\r')" : "") + ".");
    };
    lecteur.readAsArrayBuffer(fichier);
  }

  // The console's export of the text as it stands (genre: "musicxml" or
  // "midi"), made by the module in a worker of its own so that the analysis
  // goes on, and downloaded under the text's title.
  function exporteFichier(genre) {
    $("exporter").open = false;
    const source = "(" + travailleurRythme.toString() + ")();";
    const url = URL.createObjectURL(new Blob([source], { type: "text/javascript" }));
    const w = new Worker(url);
    const tempo = Math.min(1000, Math.max(1, Math.round(Number($("tempo").value) || 60)));
    const fin = function () { w.terminate(); URL.revokeObjectURL(url); };
    w.onmessage = function (e) {
      fin();
      const r = e.data.exportation;
      if (!r || r.octets.length === 0) {
        avisOutils(e.data.echec ? "Exportation impossible : " + e.data.echec
                                : "Rien à exporter : le texte n'a pas été vérifié (voir les sorties brutes).");
        return;
      }
      const a = element("a");
      a.href = URL.createObjectURL(new Blob([r.octets], { type: genre === "midi" ? "audio/midi" : "application/vnd.recordare.musicxml+xml" }));
      a.download = titre + (genre === "midi" ? ".mid" : ".musicxml");
      document.body.appendChild(a);
      a.click();
      a.remove();
      setTimeout(function () { URL.revokeObjectURL(a.href); }, 1000);
      avisOutils("« " + a.download + " » exporté" + (r.statut === 0 ? "." : ", avec les fautes du texte marquées."));
    };
    w.onerror = function (e) { fin(); avisOutils("Exportation impossible : " + (e.message || e)); };
    w.postMessage({ id: 0, exporte: genre, tempo: tempo, mots: mots(), texte: $("texte").value });
  }

  function enregistre() {
    const texte = $("texte").value;
    const octets = new Uint8Array(texte.length);
    for (let i = 0; i < texte.length; i++) { const c = texte.charCodeAt(i); octets[i] = c <= 0xFF ? c : 0x3F; }
    const a = element("a");
    a.href = URL.createObjectURL(new Blob([octets], { type: "text/plain;charset=iso-8859-1" }));
    a.download = "rythme.txt";
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(function () { URL.revokeObjectURL(a.href); }, 1000);
  }

  // ----- the notation at hand

  function construitLegende() {
    const corps = $("legende");
    SIGNES.forEach(function (s) {
      const tr = element("tr");
      const note = element("td");
      note.appendChild(element("code", "", s[0]));
      note.appendChild(document.createTextNode(" " + s[3]));
      const silence = element("td");
      silence.appendChild(element("code", "", s[1]));
      silence.appendChild(document.createTextNode(" " + s[4]));
      tr.appendChild(note);
      tr.appendChild(silence);
      tr.appendChild(element("td", "", s[2]));
      tr.appendChild(element("td", "", s[3] + " / " + s[4]));
      corps.appendChild(tr);
    });
    AUTRES.forEach(function (a) {
      const tr = element("tr");
      const td = element("td");
      td.appendChild(element("code", "", a[0] === " " ? "␣" : a[0] === "\n" ? "↵" : a[0]));
      tr.appendChild(td);
      const quoi = element("td", "", a[1]);
      quoi.colSpan = 3;
      tr.appendChild(quoi);
      corps.appendChild(tr);
    });
    const palette = $("palette");
    const bouton = function (signe, nom, classe) {
      const b = element("button", classe || "", signe === " " ? "␣" : signe === "\n" ? "↵" : signe);
      b.type = "button";
      b.title = nom;
      b.setAttribute("aria-label", nom);
      b.dataset.signe = signe;
      // The caret stays in the text: the button takes no focus.
      b.addEventListener("mousedown", function (e) { e.preventDefault(); });
      b.addEventListener("click", function () { insere(signe); });
      palette.appendChild(b);
    };
    SIGNES.forEach(function (s) { bouton(s[0], s[3]); });
    palette.appendChild(element("span", "sep"));
    SIGNES.forEach(function (s) { bouton(s[1], s[4], "silence"); });
    palette.appendChild(element("span", "sep"));
    AUTRES.forEach(function (a) { bouton(a[0], a[1]); });
  }

  function insere(signe) {
    const t = $("texte");
    const a = t.selectionStart, b = t.selectionEnd;
    t.focus();
    // Through the editing commands, so that the browser's undo keeps it (the
    // input event then starts the analysis).
    if (!document.execCommand("insertText", false, signe)) {
      t.setRangeText(signe, a, b, "end");
      modifie(true);
    }
  }

  // ----- edits

  function modifie(frappe) {
    actif = -1;
    if (frappe) {
      derniereFrappe = performance.now();
      // After a pause the end of the text is judged too.
      clearTimeout(minuterieCalme);
      minuterieCalme = setTimeout(rejuge, calme + 20);
    }
    $("miroir").textContent = "";
    sauve();
    demande();
  }

  function chargeExemple(i) {
    const e = EXEMPLES[i];
    titre = e.nom.replace(/\.[^.]*$/, "");
    pose({ texte: e.texte, n: e.mots[0] || "", d: e.mots[1] || "", k: e.mots[2] || "" });
    modifie(false);
  }

  document.addEventListener("DOMContentLoaded", function () {
    const menu = $("exemples");
    EXEMPLES.forEach(function (e, i) {
      const o = element("option", "", TITRES[e.nom] || e.nom);
      o.value = i;
      o.title = e.nom + (e.mots.length ? " (rythme " + e.mots.join(" ") + ")" : "") + " : " + e.quoi;
      menu.appendChild(o);
    });
    menu.addEventListener("change", function () { if (menu.value !== "") chargeExemple(+menu.value); });
    $("texte").addEventListener("input", function () { menu.value = ""; modifie(true); });
    ["numerateur", "denominateur", "decomposition"].forEach(function (id) {
      $(id).addEventListener("input", function () { menu.value = ""; modifie(false); });
    });
    $("texte").addEventListener("scroll", suitDefilement);
    ["click", "keyup"].forEach(function (t) {
      $("texte").addEventListener(t, function () {
        montreSousCurseur();
        // The caret left the end of the text (a click, an arrow key): what
        // was in progress there is judged at once.
        if (dernier !== null && enCours(dernier) && !saisieEnFin()) rejuge();
      });
    });
    // Leaving the end of the text: what was in progress there is judged.
    $("texte").addEventListener("blur", function () { derniereFrappe = -Infinity; setTimeout(rejuge, 150); });
    document.addEventListener("keydown", function (e) {
      if (e.key === "F8") { e.preventDefault(); fauteVoisine(e.shiftKey ? -1 : 1); }
    });
    $("listing").addEventListener("scroll", rangsVisibles);
    $("brut").addEventListener("toggle", montreBrut);
    $("copie-sortie").addEventListener("click", function () { copie("sortie", this); });
    $("copie-erreur").addEventListener("click", function () { copie("erreur", this); });
    $("partage").addEventListener("click", partage);
    $("enregistre").addEventListener("click", enregistre);
    $("telecharge-sortie").addEventListener("click", function () { telechargeFlux("sortie"); });
    $("telecharge-erreur").addEventListener("click", function () { telechargeFlux("erreur"); });
    $("exporte-musicxml").addEventListener("click", function () { exporteFichier("musicxml"); });
    $("exporte-midi").addEventListener("click", function () { exporteFichier("midi"); });
    // "Ouvrir…" is reached with Tab and opened with Enter or Space.
    document.querySelector('label[for="fichier"]').addEventListener("keydown", function (e) {
      if (e.key === "Enter" || e.key === " ") { e.preventDefault(); $("fichier").click(); }
    });
    $("fichier").addEventListener("change", function () { if (this.files.length) ouvre(this.files[0]); this.value = ""; });
    construitLegende();
    partition = new PanneauPartition({
      partition: $("partition"), tempo: $("tempo"), joue: $("joue"), arrete: $("arrete"), boucle: $("boucle"),
      metronome: $("metronome"), limite: $("partition-limite"), unite: $("unite-tempo"), son: $("son-muet"), texte: $("texte"), selectionneRapport: selectionne,
    });
    window.panneauPartition = partition;

    // A page left (a reload, a tab closed) keeps the last edit even before
    // the pause that saves it.
    window.addEventListener("pagehide", gardeMaintenant);

    // The work: from a shared link, else as it was left, else the first example.
    let garde = null;
    try { garde = JSON.parse(localStorage.getItem(cleTravail) || "null"); } catch (e) { garde = null; }
    const lien = depuisLien();
    demarreTravailleur();
    if (lien !== null) {
      // Taken once: the address forgets it, and the work kept wins from the
      // first edit on.
      history.replaceState(null, "", location.pathname + location.search);
      pose(lien);
      modifie(false);
    } else if (garde !== null && typeof garde.texte === "string") {
      pose(garde);
      demande();
    } else {
      chargeExemple(0);
      menu.value = "0";
    }
  });
})();
