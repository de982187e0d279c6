// The score in a real browser (headless Chromium, driven by puppeteer-core):
// every shipped example drawn with as many measures, notes, rests, dots, ties
// and tuplets as the checker's records hold (a screenshot of each goes to
// CAPTURES_DIR); a late bar's note drawn in the fault colour with its mark,
// in step with the text both ways; the playback rendered without speakers.
//   node partition.js SITE_DIR NODE_MODULES CHROMIUM CAPTURES_DIR
"use strict";
const fs = require("fs");
const path = require("path");

const [site, modules, chromium, captures] = process.argv.slice(2);
const { dansUnNavigateur } = require("./lance_navigateur.js");
const { importe } = require("./modules.js");

function verifie(condition, quoi, detail) {
  if (!condition) throw new Error("failed: " + quoi + (detail !== undefined ? " (got " + JSON.stringify(detail) + ")" : ""));
  console.log("ok - " + quoi);
}

// The score of the analysis of the text in the text area, once drawn.
async function attendsPartition(page) {
  await page.waitForFunction(() => {
    const p = window.panneauPartition;
    return p && p.r && p.r.texte === document.getElementById("texte").value &&
      document.querySelectorAll("#partition .mesure").length === p.mesures.length;
  }, { timeout: 10000 });
}

async function remplace(page, selecteur, texte) {
  await page.click(selecteur);
  await page.$eval(selecteur, (e) => e.select());
  await page.keyboard.press("Backspace");
  if (texte !== "") await page.type(selecteur, texte);
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

  // Every example: what is drawn is what the checker read.
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
    const fichier = path.join(captures, "partition-" + nom.split(".")[0] + ".png");
    await (await page.$(".partition")).screenshot({ path: fichier });
  }

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

  // The playback rendered offline: four quarters at 60 sound at 4, 5, 6, 7 s.
  await remplace(page, "#texte", "! ! ! ! ||");
  await attendsPartition(page);
  const rendu = () => page.evaluate(async () => {
    const { programme } = window.panneauPartition.programme();
    const taux = 8000;
    const c = new OfflineAudioContext(1, Math.ceil(taux * (programme.fin + 0.5)), taux);
    window.panneauPartition.joueProgramme(c, programme, 0, false);
    const son = (await c.startRendering()).getChannelData(0);
    const t = [];
    let silence = taux;  // samples since the last sound
    for (let i = 0; i < son.length; i++) {
      if (Math.abs(son[i]) > 0.05) {
        if (silence > taux * 0.01) t.push(Math.round(i / taux * 100) / 100);
        silence = 0;
      } else {
        silence++;
      }
    }
    return t;
  });
  const attaques = await rendu();
  verifie(attaques.join() === "4,5,6,7", "rendered offline, the notes sound at 4, 5, 6 and 7 s", attaques);
  // The whole piece: the repeat taken, the quarter at the same speed in 3/4.
  await remplace(page, "#texte", "|: ! ! ! ! :|\n3/4 ! ! ! ||");
  await attendsPartition(page);
  const entier = await rendu();
  verifie(entier.join() === "4,5,6,7,8,9,10,11,12,13,14", "with its repeat and a change to 3/4, the notes sound every second", entier);
  // Measure numbers from 10 on keep all their digits, inside their drawing.
  await remplace(page, "#texte", "! ! ! ! | ".repeat(11) + "||");
  await attendsPartition(page);
  await page.evaluate(() => { const p = document.getElementById("partition"); p.scrollTop = p.scrollHeight; });
  await page.waitForFunction(() => [...document.querySelectorAll("#partition .mesure svg text")].some((t) => t.textContent === "11"),
                             { timeout: 5000 });
  const onze = await page.$$eval("#partition .mesure svg text", (ts) => ts.filter((t) => t.textContent === "11")
    .map((t) => { const b = t.getBBox(); return [b.x, b.x + b.width, t.ownerSVGElement.getBBox().width]; }));
  verifie(onze.length === 1 && onze[0][0] >= 0, "measure 11 is numbered whole, inside its drawing", onze);
  // 6/8 counted in eighths: beamed by the compound beat.
  await page.$eval("#numerateur", (e) => { e.value = "6"; });
  await page.$eval("#denominateur", (e) => { e.value = "8"; });
  await page.$eval("#decomposition", (e) => { e.value = "1"; });
  await remplace(page, "#texte", "[[[ [[[ ||");
  await attendsPartition(page);
  const poutres = await page.$$eval("#partition .vf-beam", (b) => b.length);
  verifie(poutres === 2, "6/8 counted in eighths: two beams of three", poutres);
  await page.$eval("#decomposition", (e) => { e.value = ""; });
  await page.$eval("#numerateur", (e) => { e.value = "4"; });
  await page.$eval("#denominateur", (e) => { e.value = "4"; });

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
