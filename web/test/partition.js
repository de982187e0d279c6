// The score in a real browser (headless Chromium, driven by puppeteer-core):
// every shipped example drawn with as many measures, notes, rests, dots, ties
// and tuplets as the checker's records hold, nothing of it clipped (a
// screenshot of each goes to CAPTURES_DIR); a late bar's note drawn in the
// fault colour with its mark, in step with the text both ways; signs drawn
// only where written; the playback rendered without speakers; the print
// layout (its screenshot to CAPTURES_DIR) and the SVG file.
//   node partition.js SITE_DIR NODE_MODULES CHROMIUM CAPTURES_DIR
"use strict";
const fs = require("fs");
const path = require("path");

const [site, modules, chromium, captures] = process.argv.slice(2);
const { dansUnNavigateur } = require("./lance_navigateur.js");
const { verifie, attendsPartition, remplace, mots, rognures, rendu } = require("./partition_outils.js");
const { importe } = require("./modules.js");

// Every example: what is drawn is what the checker read, nothing clipped.
async function exemples(page, lisSigne) {
  // Each example by its file's name (the menu names it by what it shows).
  const exemples = await page.$$eval("#exemples option", (os) => os.filter((o) => o.value !== "")
    .map((o) => [o.value, o.title.split(" ")[0]]));
  for (const [valeur, nom] of exemples) {
    await page.select("#exemples", valeur);
    await attendsPartition(page);
    const { r, dessine } = await page.evaluate(() => {
      const r = window.panneauPartition.r;
      const q = (s) => document.querySelectorAll("#partition " + s);
      return {
        r: { signes: Array.from(r.signes), par_signe: r.par_signe, noms_des_signes: r.noms_des_signes },
        dessine: [q(".mesure").length, q(".vf-stavenote:not(.silence)").length, q(".vf-stavenote.silence").length,
                  [...q(".vf-stavenote")].reduce((n, g) => n + +g.dataset.points, 0), q(".vf-stavetie.liaison").length,
                  q(".vf-tuplet").length].join(),
      };
    });
    const signes = Array.from({ length: r.signes.length / r.par_signe }, (_, k) => lisSigne(r, k));
    const valeurs = signes.filter((s) => s.signe === "valeur");
    const compte = {
      lu: [new Set(valeurs.map((s) => s.mesure)).size, valeurs.filter((s) => !s.silence).length,
           valeurs.filter((s) => s.silence).length, valeurs.reduce((n, s) => n + s.points, 0),
           signes.filter((s) => s.lie).length, signes.filter((s) => s.signe === "fermeture").length].join(),
      dessine: dessine,
    };
    verifie(compte.lu === compte.dessine, `${nom.split(" ")[0]}: measures, notes, rests, dots, ties, tuplets drawn as read (${compte.lu})`, compte);
    const dehors = await rognures(page);
    verifie(dehors.length === 0, `${nom.split(" ")[0]}: nothing clipped`, dehors);
    const fichier = path.join(captures, "partition-" + nom.split(".")[0] + ".png");
    await (await page.$(".partition")).screenshot({ path: fichier });
  }
}

// Faults on the score, in step with the text.
async function fautes(page) {
  // A late bar: the d in the fault colour, with its mark.
  await remplace(page, "#numerateur", "4");
  await remplace(page, "#denominateur", "4");
  await remplace(page, "#decomposition", "");
  await remplace(page, "#texte", "! ! ! d |");
  await attendsPartition(page);
  const d = '#partition .mesure[data-mesure="0"] .signe[data-element="3"]';
  verifie(await page.$eval(d, (g) => g.classList.contains("faute") && getComputedStyle(g.querySelector(".vf-notehead text")).fill === "rgb(176, 50, 38)"),
          "the d of a late bar is drawn in the fault colour");
  const marque = await page.$eval('#partition .mesure[data-mesure="0"] .marque.vf-annotation', (m) =>
    m.querySelector("title").textContent);
  verifie(/tardive/.test(marque), "with its mark, whose hover text is the report", marque);
  verifie(await page.$eval('#partition .mesure[data-mesure="0"] .marque.vf-annotation text', (t) => t.getAttribute("fill")) === "#b03226",
          "the mark in the fault colour");
  await (await page.$(".partition")).screenshot({ path: path.join(captures, "partition-faute.png") });
  verifie(await page.$eval("#partition .ecart", (e) => e.textContent) === "une noire de trop", "the measure says it has a quarter too many");

  // Clicking the d selects it in the text: column 7 of line 1.
  await page.click(d + " .vf-notehead");
  const selection = await page.$eval("#texte", (t) => [t.selectionStart, t.selectionEnd]);
  verifie(selection.join() === "6,7", "clicking the d selects column 7 of line 1", selection);
  // The caret on a note highlights it.
  await page.$eval("#texte", (t) => { t.focus(); t.setSelectionRange(2, 2); t.dispatchEvent(new Event("select")); });
  verifie(await page.$eval('#partition .mesure[data-mesure="0"] .signe[data-element="1"]', (g) => g.classList.contains("actif")),
          "the caret on the second quarter highlights it");
  await page.$eval("#texte", (t) => { t.setSelectionRange(6, 6); t.dispatchEvent(new Event("select")); });
  verifie(await page.$eval(d, (g) => g.classList.contains("actif")), "and on the d, the d");
  // Clicking the mark selects its report.
  await page.click('#partition .mesure[data-mesure="0"] .marque.vf-annotation');
  const premier = await page.$eval('#partition .mesure[data-mesure="0"] .marque.vf-annotation', (m) => m.dataset.rapports.split(" ")[0]);
  verifie(await page.$eval("#diagnostics li.actif", (li) => li.dataset.rapport) === premier, "clicking the mark selects its report in the list");
  // An early bar: under the caret it stays in the fault colour, its mark
  // clear of the next measure's number.
  await remplace(page, "#texte", "! ! | ! ! ! ! ||");
  await attendsPartition(page);
  await page.$eval("#texte", (t) => { t.focus(); t.setSelectionRange(4, 4); t.dispatchEvent(new Event("select")); });
  const barre = await page.evaluate(() => {
    const r = document.querySelector('#partition .mesure[data-mesure="0"] rect.barre.faute.actif');
    const m = document.querySelector('#partition .mesure[data-mesure="0"] text.barre-marquee').getBBox();
    const n = document.querySelector('#partition .mesure[data-mesure="1"] .numero text').getBBox();
    return [r && getComputedStyle(r).fill, m.x + m.width <= n.x];
  });
  verifie(/176, 50, 38/.test(barre[0]) && barre[1], "a faulty bar under the caret stays red, its mark clear of the next number", barre);
}

// The playback rendered offline.
async function sons(page) {
  // The playback rendered offline: four quarters at 60 sound at 4, 5, 6, 7 s.
  await remplace(page, "#texte", "! ! ! ! ||");
  await attendsPartition(page);
  const attaques = await rendu(page);
  verifie(attaques.join() === "4,5,6,7", "rendered offline, the notes sound at 4, 5, 6 and 7 s", attaques);
  // The whole piece: the repeat taken, the quarter at the same speed in 3/4.
  await remplace(page, "#texte", "|: ! ! ! ! :|\n3/4 ! ! ! ||");
  await attendsPartition(page);
  const entier = await rendu(page);
  verifie(entier.join() === "4,5,6,7,8,9,10,11,12,13,14", "with its repeat and a change to 3/4, the notes sound every second", entier);
}

// A loop: each round's first note a quarter after the last round's last
// one, as scheduled on the audio context (within 5 ms).
async function couture(page) {
  await remplace(page, "#texte", "! ! ! ! ||");
  await attendsPartition(page);
  await page.evaluate(() => {
    window.__attaques = [];
    const debut = OscillatorNode.prototype.start;
    OscillatorNode.prototype.start = function (t) {
      if (this.type === "triangle") window.__attaques.push(t);
      return debut.call(this, t);
    };
    document.getElementById("tempo").value = "300";
    document.getElementById("boucle").checked = true;
  });
  await page.click("#joue");
  await page.waitForFunction(() => window.__attaques.length >= 10, { timeout: 15000 });
  await page.click("#arrete");
  const a = await page.evaluate(() => {
    document.getElementById("boucle").checked = false;
    document.getElementById("tempo").value = "60";
    return window.__attaques;
  });
  const ecarts = a.slice(1, 10).map((t, i) => Math.round((t - a[i]) * 1000));
  verifie(ecarts.every((e) => Math.abs(e - 200) <= 5), "a loop's rounds follow each other at the seam within 5 ms", ecarts);
}

// Signs drawn only where written, clipped nowhere.
async function signesEcrits(page) {
  // Signs as written: no time signature the text did not set, a tie over
  // the bar one curve, a bar the checker added dashed; short notes and long
  // words clipped nowhere.
  await mots(page, "", "", "");
  for (const [texte, signatures] of [["C ! ! ! ! | ! ! ! ! ||", 1], ["C\\ d d | d d | 6/8 !. !. | !. !. ||", 2]]) {
    await remplace(page, "#texte", texte);
    await attendsPartition(page);
    const n = await page.$$eval("#partition .vf-timesignature", (s) => s.length);
    verifie(n === signatures, `${texte}: ${signatures} time signature(s), where the text sets the meter`, n);
  }
  await mots(page, "4", "4", "");
  await remplace(page, "#texte", "! ! ! !_|_! ! ! ! | ! ! ! ! ! ! ! ! ||");
  await attendsPartition(page);
  const liaison = await page.$$eval("#partition .vf-stavetie", (ts) => ts.map((t) => {
    const b = t.getBBox(), n = [...document.querySelectorAll('#partition .mesure[data-mesure="1"] .signe')][0].getBBox();
    return [t.classList.contains("liaison"), b.x + b.width >= n.x - 1 && b.x + b.width <= n.x + n.width + 1];
  }));
  verifie(JSON.stringify(liaison) === "[[true,true]]", "a tie over a bar line is one curve, to the next measure's note", liaison);
  verifie(await page.$$eval("#partition .barre-ajoutee", (b) => b.length) === 1, "the bar the checker added is drawn dashed");
  await remplace(page, "#texte", "ffff ffff ffff ffff | qqqqqqqqqqqqqqqq qqqqqqqqqqqqqqqq qqqqqqqqqqqqqqqq qqqqqqqqqqqqqqqq ||\n" +
                 "! | ! | 4/64 qqqq | 2/2 d d | 6/8 !. !. ||");
  await attendsPartition(page);
  const dehors = await rognures(page);
  verifie(dehors.length === 0, "sixteenths, sixty-fourths, long words under measures, 4/64, 2/2, 6/8: nothing clipped", dehors);
}

async function numeros(page) {
  // Measure numbers 1 to 120, read whole from the drawing (the panel made
  // tall enough for all of them to be in view).
  await remplace(page, "#texte", "! ! ! ! | ".repeat(120) + "||");
  await attendsPartition(page);
  await page.$eval(".partition", (p) => { p.style.height = "20000px"; });
  await page.waitForFunction(() => document.querySelectorAll("#partition .numero").length === 120, { timeout: 5000 });
  const numeros = await page.$$eval("#partition .numero text", (ts) => ts.map((t) => [+t.closest(".mesure").dataset.mesure, t.textContent])
    .sort((a, b) => a[0] - b[0]).map((x) => x[1]).join());
  verifie(numeros === Array.from({ length: 120 }, (_, i) => i + 1).join(), "measures numbered 1 to 120, whole", numeros);
  verifie((await rognures(page)).length === 0, "and nothing clipped");
  await page.$eval(".partition", (p) => { p.style.height = ""; });
}

async function lecture(page) {
  // Playback: a repeat with two endings in playing order; ▶ with the caret
  // at the end plays it whole; a click on a measure's number plays from there
  // until asked to play from the start; the quarter keeps its second at ♩ = 60
  // across 4/4, 3/4 and 6/8.
  await page.$eval("#tempo", (t) => { t.value = "300"; });
  await remplace(page, "#texte", "|: ! ! ! ! |1. [[ [[ ! ! :| ! ! d | ! ! ! ! ||");
  await attendsPartition(page);
  const joue = async (action) => {
    await action();
    const ordre = await page.evaluate(() => window.panneauPartition.lecture.programme.mesures.map((m) => m.mesure).join());
    await page.click("#arrete");
    return ordre;
  };
  const entiere = await joue(() => page.click("#joue"));
  verifie(entiere === "0,1,0,2,3", "▶ with the caret at the end: the whole piece, its endings in order", entiere);
  const depuis = await joue(() => page.click('#partition .mesure[data-mesure="2"] .numero'));
  const annonce = await page.$eval("#depart-lecture", (d) => (d.hidden ? "" : d.textContent.replace(/\s+/g, " ").trim()));
  verifie(depuis === "2,3" && /à partir de la mesure 3/.test(annonce), "a click on measure 3's number plays from it, and says so", [depuis, annonce]);
  await page.click("#depart-lecture button");
  verifie(await joue(() => page.click("#joue")) === entiere, "and the way back plays from the start again");
  await page.$eval("#tempo", (t) => { t.value = "60"; });
  await mots(page, "", "", "");
  await remplace(page, "#texte", "4/4 ! ! ! ! | 3/4 ! ! ! | 6/8 ![ ![ ||");
  await attendsPartition(page);
  const noires = await rendu(page);
  verifie(noires.join() === "4,5,6,7,8,9,10,11,12,12.5,13.5", "♩ = 60 across 4/4, 3/4 and 6/8: a second each quarter", noires);
  // 6/8 counted in eighths: beamed by the compound beat.
  await mots(page, "6", "8", "1");
  await remplace(page, "#texte", "[[[ [[[ ||");
  await attendsPartition(page);
  const poutres = await page.$$eval("#partition .vf-beam", (b) => b.length);
  verifie(poutres === 2, "6/8 counted in eighths: two beams of three", poutres);
  await mots(page, "4", "4", "");
}

async function papier(page, navigateur) {
  // On paper: a title, the lines of music numbered; as a file, one SVG.
  await remplace(page, "#texte", "|: ! ! ! ! | [[ [[ ! ! |1. ! ! !_! | ! ! d :|\n" + "! [[ ! ! | ([[[)3 ! d | ".repeat(6) + "o ||");
  await attendsPartition(page);
  await page.$eval("#titre-impression", (e) => { e.value = "Exercice 12"; });
  await page.$eval("#imprime-rapports", (e) => { e.checked = true; });
  await page.evaluate(() => window.panneauPartition.prepareImpression());
  await page.emulateMediaType("print");
  const papier = await page.evaluate(() => [document.querySelector("#impression h1").textContent,
    [...document.querySelectorAll("#impression .numero-ligne")].map((n) => n.textContent).join(),
    document.querySelector("main").getBoundingClientRect().height]);
  verifie(papier[0] === "Exercice 12" && /^1,2,3/.test(papier[1]) && papier[2] === 0, "printed: the title, the lines numbered, the page's panels left out", papier);
  await page.screenshot({ path: path.join(captures, "impression.png"), fullPage: true });
  await page.pdf({ path: path.join(captures, "impression.pdf"), format: "A4" });
  await page.emulateMediaType(null);
  const fichier = await page.evaluate(async () => {
    const texte = window.panneauPartition.fichierSvg("");
    const d = new DOMParser().parseFromString(texte, "image/svg+xml");
    return [d.querySelector("parsererror") === null, d.querySelectorAll(".mesure").length, window.panneauPartition.mesures.length, texte];
  });
  verifie(fichier[0] && fichier[1] === fichier[2], "the SVG file is well formed and holds every measure", fichier.slice(0, 3));
  // Shown alone, as another program would open it (its screenshot to CAPTURES_DIR).
  const svg = path.join(captures, "partition.svg");
  fs.writeFileSync(svg, fichier[3]);
  const seule = await navigateur.newPage();
  await seule.goto("file://" + svg);
  await seule.evaluate(() => document.fonts.ready);
  await seule.screenshot({ path: path.join(captures, "partition-svg.png"), fullPage: true });
  await seule.close();
}

async function principal(navigateur) {
  const { lisSigne } = await importe("partition/mesures.js");
  fs.mkdirSync(captures, { recursive: true });
  const erreurs = [];
  const page = await navigateur.newPage();
  page.on("pageerror", (e) => erreurs.push(String(e)));
  page.on("console", (m) => { if (m.type() === "error") erreurs.push(m.text()); });
  await page.setViewport({ width: 1280, height: 1100 });
  await page.goto("file://" + path.resolve(site, "index.html"));
  await attendsPartition(page);

  await exemples(page, lisSigne);
  await fautes(page);
  await sons(page);
  await couture(page);
  await signesEcrits(page);
  await numeros(page);
  await lecture(page);
  await papier(page, navigateur);

  // The play button: the note being played is highlighted, then stop.
  await page.$eval("#tempo", (t) => { t.value = "300"; });
  await page.click("#joue");
  await page.waitForSelector("#partition .signe.joue", { timeout: 5000 });
  verifie(true, "while playing, the note being played is highlighted");
  await page.click("#arrete");
  verifie(await page.$$eval("#partition .signe.joue", (g) => g.length) === 0, "stop clears it");

  // On a phone the score stands under the text, as tall as beside it.
  await page.setViewport({ width: 390, height: 844 });
  const boites = await page.evaluate(() => [document.querySelector(".editeur"), document.querySelector(".partition")]
    .map((e) => { const b = e.getBoundingClientRect(); return [b.top, b.bottom, b.height]; }));
  verifie(boites[1][0] >= boites[0][1] && boites[1][2] >= 300, "on a 390 px screen the score is under the text", boites);
  await (await page.$(".partition")).screenshot({ path: path.join(captures, "partition-390.png") });

  verifie(erreurs.length === 0, "no script error in the page" + (erreurs.length ? ": " + erreurs.join("; ") : ""));
}

dansUnNavigateur({ modules, executable: chromium, argumentsEnPlus: ["--autoplay-policy=no-user-gesture-required"] }, principal);
