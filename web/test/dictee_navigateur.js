// A dictation in a real browser (headless Chromium or Firefox, driven by
// puppeteer-core):
// a teacher makes a link of a text (a faulty one is refused); a student opens
// it, hears it (the tones Web Audio is asked to play are caught as they are
// scheduled), within the hearings allowed, even after a reload; writes the
// rhythm with another spelling and gets every beat right, then one wrong
// value and gets exactly that beat wrong, and hears it back; sees the
// solution drawn under the copy; sends the copy back by link. A drawn
// dictation's link is the same from the same seed.
//   node dictee_navigateur.js SITE_DIR NODE_MODULES chrome|firefox EXECUTABLE
"use strict";
const path = require("path");

const [site, modules, sorte, executable] = process.argv.slice(2);
const { dansUnNavigateur } = require("./lance_navigateur.js");

function verifie(condition, quoi, detail) {
  if (!condition) throw new Error("failed: " + quoi + (detail !== undefined ? " (got " + JSON.stringify(detail) + ")" : ""));
  console.log("ok - " + quoi);
}

// Every oscillator started, by kind and time: the notes are triangles, the
// clicks squares.
function ecouteLesSons() {
  window.sons = [];
  const start = OscillatorNode.prototype.start;
  OscillatorNode.prototype.start = function (quand) {
    window.sons.push({ type: this.type, t: quand });
    return start.apply(this, arguments);
  };
}

async function remplace(page, selecteur, texte) {
  await page.$eval(selecteur, (e) => { e.focus(); e.select(); });
  await page.keyboard.press("Backspace");
  if (texte !== "") await page.type(selecteur, texte);
}

// The text as it stands analysed and drawn.
async function analyse(page) {
  await page.waitForFunction(() => {
    const p = window.panneauPartition;
    return p && p.r && p.r.texte === document.getElementById("texte").value;
  }, { timeout: 10000 });
}

async function ouvre(page, lien) {
  await page.goto("about:blank");
  await page.goto(lien);
  await page.waitForFunction(() => !document.getElementById("dictee").hidden &&
    /Écoutes/.test(document.getElementById("dictee-compteur").textContent) &&
    / mesures/.test(document.getElementById("dictee-infos").textContent), { timeout: 10000 });
}

async function verifieLaCopie(page, texte) {
  await remplace(page, "#texte", texte);
  await analyse(page);
  await page.$eval("#dictee-resultat", (e) => { e.textContent = ""; });
  await page.evaluate(() => { window.sons = []; });
  await page.click("#dictee-verifie");
  await page.waitForSelector("#dictee-resultat .note");
  return page.evaluate(() => ({
    note: document.querySelector("#dictee-resultat .note").textContent,
    graphie: document.querySelector("#dictee-resultat .graphie") !== null,
    faux: [...document.querySelectorAll("#dictee-resultat .faux .lien")].map((b) => b.textContent),
    justes: [...document.querySelectorAll("#partition .signe.juste")].map((g) => g.closest(".mesure").dataset.mesure + ":" + g.dataset.element),
    marques: [...document.querySelectorAll("#partition .signe.faux")].map((g) => g.closest(".mesure").dataset.mesure + ":" + g.dataset.element),
  }));
}

async function principal(navigateur) {
  const erreurs = [];
  const page = await navigateur.newPage();
  page.on("pageerror", (e) => erreurs.push(String(e)));
  await page.evaluateOnNewDocument(ecouteLesSons);
  await page.setViewport({ width: 1280, height: 1100 });
  await page.goto("file://" + path.resolve(site, "index.html"));
  await analyse(page);

  // The teacher: a faulty text is refused, a checked one becomes a link
  // that does not show its rhythm.
  await remplace(page, "#numerateur", "4");
  await remplace(page, "#denominateur", "4");
  await remplace(page, "#decomposition", "");
  await remplace(page, "#texte", "! ! ! d |");
  await analyse(page);
  await page.click("#dictee-creer");
  verifie(await page.$eval("#dictee-fait", (b) => b.disabled) && await page.$eval("#dictee-refus", (p) => !p.hidden),
          "a text with a fault cannot become a dictation");
  await page.click('#dictee-reglages button[value="ferme"]');
  const original = "!. [ ! ! | [[ ! !_! ||";
  await remplace(page, "#texte", original);
  await analyse(page);
  await page.click("#dictee-creer");
  await remplace(page, "#dictee-tempo", "120");
  await page.select("#dictee-ecoutes", "2");
  await page.click("#dictee-fait");
  await page.waitForFunction(() => !document.getElementById("dictee-lien-zone").hidden);
  const lien = await page.$eval("#dictee-lien", (e) => e.value);
  const code = decodeURIComponent(lien.split("#")[1]);
  verifie(!code.includes("[[") && !code.includes("!."), "the link does not show the rhythm", code);

  // The student hears it: after the count-in (4 beats at 120), the notes
  // fall where the rhythm puts them; the metronome is off, the count-in is
  // heard.
  await ouvre(page, lien);
  verifie(await page.$eval("#numerateur", (e) => e.value) === "4" && await page.$eval("#texte", (e) => e.value) === "",
          "the student's view opens on an empty copy, the meter shown");
  await page.click("#dictee-ecoute");
  const sons = await page.evaluate(() => window.sons);
  const zero = Math.min(...sons.map((s) => s.t));
  const notes = sons.filter((s) => s.type === "triangle").map((s) => Math.round((s.t - zero) * 1000) / 1000);
  verifie(notes.join(" ") === "2 2.75 3 3.5 4 4.25 4.5 5", "the notes heard fall on the rhythm's onsets", notes);
  verifie(sons.filter((s) => s.type === "square").length === 4, "only the count-in's clicks without the metronome");
  await page.click("#dictee-arrete");
  await page.click("#dictee-ecoute");
  await page.click("#dictee-arrete");
  verifie(await page.$eval("#dictee-ecoute", (b) => b.disabled) &&
          /2 \/ 2 : plus d'écoute/.test(await page.$eval("#dictee-compteur", (e) => e.textContent)),
          "two hearings allowed, two taken: no more");
  await ouvre(page, lien);
  verifie(await page.$eval("#dictee-ecoute", (b) => b.disabled), "nor after a reload");

  // Another spelling of the same rhythm: every beat right, with a note on
  // the spelling; one wrong value: exactly its beat wrong, and heard back.
  let c = await verifieLaCopie(page, "!_[ [ ! ! | [[ ! d ||");
  verifie(/^Note : 8 temps justes sur 8/.test(c.note) && c.graphie && c.marques.length === 0 && c.justes.length === 9,
          "another spelling: every beat right, every note marked so, a note on the spelling", c);
  c = await verifieLaCopie(page, "!. [ ! ! | ! ! !_! ||");
  verifie(/^Note : 7 temps justes sur 8 \(87 %\)/.test(c.note) && c.faux.join() === "mesure 2, temps 1" && c.marques.join() === "1:0",
          "one wrong value: exactly that beat wrong, on the score and in the list", c);
  const rejoue = await page.evaluate(() => window.sons.filter((s) => s.type === "triangle").length);
  verifie(rejoue === 3, "the wrong beat heard back: the student's quarter, then the original's two eighths", rejoue);

  // The solution: each measure of the copy above the original's.
  await page.click("#dictee-solution");
  const solution = await page.evaluate(() => [...document.querySelectorAll("#dictee-mesures-solution .paire")].map((p) =>
    [".copie", ".original"].map((c) => p.querySelectorAll(c + " .signe").length).join("/")));
  verifie(solution.join(" ") === "4/4 4/5", "the solution drawn under the copy, measure above measure", solution);
  verifie(await page.$$eval("#dictee-mesures-solution .copie .signe.faux", (g) => g.length) === 1, "the wrong note marked there too");
  const coupees = await page.$$eval("#dictee-mesures-solution .mesure-seule", (boites) => boites.filter((b) => {
    const svg = b.querySelector("svg");
    return svg && (svg.getBoundingClientRect().right > b.getBoundingClientRect().right || svg.viewBox.baseVal?.width > svg.getBoundingClientRect().width + 1);
  }).length);
  verifie(coupees === 0, "each measure of the solution whole in its box, at its size", coupees);

  // The copy sent back: the teacher's page grades it as it was handed in.
  await page.click("#dictee-partage");
  const lienCopie = await page.$eval("#dictee-lien-copie", (e) => e.value);
  await ouvre(page, lienCopie);
  await page.waitForSelector("#dictee-resultat .note");
  verifie(/^Note : 7 temps justes sur 8/.test(await page.$eval("#dictee-resultat .note", (e) => e.textContent)) &&
          /2 écoute\(s\), 2 vérification\(s\), solution vue/.test(await page.$eval("#dictee-rendue", (e) => e.textContent)),
          "the copy's link: graded as handed in, with the hearings, gradings and solution seen");

  // A drawn dictation: the same seed, the same link.
  await page.goto("about:blank");
  await page.goto("file://" + path.resolve(site, "index.html"));
  await analyse(page);
  const tire = async () => {
    await page.click("#dictee-aleatoire");
    await page.select("#dictee-niveau", "5");
    await page.select("#dictee-metre", "3");
    await remplace(page, "#dictee-graine", "4242");
    await page.click("#dictee-fait");
    await page.waitForFunction(() => !document.getElementById("dictee-lien-zone").hidden);
    const l = await page.$eval("#dictee-lien", (e) => e.value);
    await page.click('#dictee-reglages button[value="ferme"]');
    return l;
  };
  const tirage = await tire();
  verifie(tirage === await tire(), "a drawn dictation's link is the same from the same seed");
  await ouvre(page, tirage);
  verifie(/niveau 5, graine 4242/.test(await page.$eval("#dictee-infos", (e) => e.textContent)), "and shows its seed");
  verifie(erreurs.length === 0, "no error in the page", erreurs);
}

dansUnNavigateur({ modules: modules, executable: executable, sorte: sorte }, principal);
