// The page in a real browser (the system's Chromium or Firefox ESR), driven by
// puppeteer-core: the verdict for a correct piece, a faulty one, an empty text
// and a text without its final double bar; a piece typed key by key raises no
// fault; a report selects its characters; F8 moves between faults; the
// palette inserts at the caret; a reload keeps the text and a shared link
// opens it; the listing; a word refused, at its field; the page served over
// HTTP.
// Screenshots at 1280 and 390 px go to CAPTURES_DIR.
//   node navigateur.js SITE_DIR NODE_MODULES chrome|firefox EXECUTABLE CAPTURES_DIR
"use strict";
const fs = require("fs");
const http = require("http");
const path = require("path");

const [site, modules, sorte, executable, captures] = process.argv.slice(2);
const { dansUnNavigateur } = require("./lance_navigateur.js");
const { charge } = require("./modules.js");
const adresse = "file://" + path.resolve(site, "index.html");

function verifie(condition, quoi) {
  if (!condition) throw new Error(`failed (${sorte}): ${quoi}`);
  console.log("ok - " + quoi);
}

// The page after the analysis of what it now holds: a result for the text
// in the text area.
async function analysee(page) {
  await page.waitForFunction(() => window.__derniere !== undefined &&
    window.__derniere.texte === document.getElementById("texte").value &&
    window.__derniere.mots === [document.getElementById("numerateur").value, document.getElementById("denominateur").value,
                                document.getElementById("decomposition").value].join(" ").trim(),
  { timeout: 15000, polling: 50 });  // not on frames: a page in the background has none
}

// Records each analysis shown, and whether a fault showed then.
function ecoute(page) {
  return page.evaluateOnNewDocument(() => {
    window.__fautesVues = 0;
    document.addEventListener("rythme-analyse", (e) => {
      const mots = e.detail.mots.join(" ").trim();
      window.__derniere = { texte: e.detail.texte, mots: mots };
      if (document.querySelector("#diagnostics li.faute, #diagnostics li.correction") !== null) window.__fautesVues++;
    });
  });
}

async function pose(page, champs) {
  await page.evaluate((c) => {
    for (const [id, v] of Object.entries(c)) {
      const e = document.getElementById(id);
      e.value = v;
      e.dispatchEvent(new Event("input", { bubbles: true }));
    }
  }, champs);
  await analysee(page);
}

const verdict = (page) => page.$eval("#verdict", (e) => [...e.querySelectorAll(".ligne")].map((l) => l.textContent));
const rapports = (page) => page.$$eval("#diagnostics li[data-rapport]", (lis) => lis.map((li) => ({
  classe: li.className, lieu: li.querySelector(".lieu").textContent, message: li.querySelector(".message").textContent,
})));

function serveur() {
  const types = { ".html": "text/html; charset=utf-8", ".js": "text/javascript" };
  const s = http.createServer((req, res) => {
    const nom = decodeURIComponent(new URL(req.url, "http://x").pathname).replace(/^\/$/, "/index.html");
    const fichier = path.join(path.resolve(site), path.normalize(nom));
    if (!fichier.startsWith(path.resolve(site)) || !fs.existsSync(fichier)) {
      res.writeHead(404);
      res.end();
      return;
    }
    res.writeHead(200, { "Content-Type": types[path.extname(fichier)] || "application/octet-stream" });
    fs.createReadStream(fichier).pipe(res);
  });
  return new Promise((ok) => s.listen(0, "127.0.0.1", () => ok(s)));
}

async function principal(navigateur) {
  fs.mkdirSync(captures, { recursive: true });
  const erreurs = [];
  const page = await navigateur.newPage();
  page.on("pageerror", (e) => erreurs.push(String(e)));
  await page.setViewport({ width: 1280, height: 1000 });
  await ecoute(page);
  await page.goto(adresse);
  await analysee(page);

  // The verdicts.
  verifie((await verdict(page)).join("|") === "✔ 6 mesures, aucune faute|Double barre finale atteinte.",
          "the first example: six measures, no fault, the double bar reached");
  await pose(page, { texte: "! ! ! ! |\n! ! ! ! |" });
  verifie((await verdict(page)).join("|") === "✔ 2 mesures, aucune faute|Double barre finale atteinte.",
          "a last bar at the end of the text is the final one");
  await pose(page, { texte: "! ! ! ! |\n! ! ! !\n" });
  verifie((await verdict(page))[1] === "Pas de double barre finale : l'analyse s'arrête à la fin du texte.",
          "a text without its final double bar is told so");
  await pose(page, { texte: "" });
  verifie((await verdict(page)).join("|") === "Texte vide : écrivez des notes, ou choisissez un exemple.",
          "an empty text is no success");
  const fautes = await page.$$eval("#exemples option", (os) => os.find((o) => o.title.startsWith("fautes.txt")).value);
  await page.select("#exemples", fautes);
  await analysee(page);
  const v = await verdict(page);
  verifie(/^✖ \d+ mesures fautives : m\. 1, 2, /.test(v[0]), "the faulty example lists its faulty measures: " + v[0]);
  verifie(v.includes("Pas de double barre finale : l'analyse s'arrête à la fin du texte."), "and has no final double bar");
  verifie(await page.$eval("#verdict", (e) => e.getAttribute("aria-live")) === "polite", "the verdict is announced");
  const liste = await rapports(page);
  verifie(liste.some((r) => /\bconseil\b/.test(r.classe)) && liste.some((r) => /\bfaute\b/.test(r.classe)),
          "advice is told apart from faults");
  verifie(liste.every((r) => /^m\. \d+ · tps \d+/.test(r.lieu)), "each report leads with its measure and beat");
  await page.evaluate(() => window.scrollTo(0, 0));
  await page.screenshot({ path: path.join(captures, sorte + "-1280.png"), fullPage: true });

  // A link in the verdict goes to the measure's first fault; F8 and Maj+F8 go round the faults.
  await page.$eval("#verdict button.lien", (b) => b.click());  // in one step: the verdict may be written again meanwhile
  const premiere = await page.$eval("#diagnostics li.actif", (li) => li.querySelector(".lieu").textContent);
  verifie(premiere.startsWith("m. 1 "), "the verdict's link selects the first fault of measure 1");
  const indices = async () => page.$eval("#diagnostics li.actif", (li) => +li.dataset.rapport);
  const a = await indices();
  await page.keyboard.press("F8");
  const b = await indices();
  await page.keyboard.down("Shift");
  await page.keyboard.press("F8");
  await page.keyboard.up("Shift");
  verifie(b > a && (await indices()) === a, "F8 moves to the next fault, Maj+F8 back");

  // A click selects a report's characters: the late bar's d.
  await pose(page, { numerateur: "4", denominateur: "4", decomposition: "", texte: "! ! ! d |" });
  const tardive = await page.$$eval("#diagnostics li[data-rapport]", (lis) => lis.findIndex((li) => /tardive/.test(li.textContent)));
  await page.click(`#diagnostics li[data-rapport="${tardive}"] button`);
  verifie(await page.$eval("#texte", (t) => t.value.slice(t.selectionStart, t.selectionEnd)) === "d", "a report selects its characters");
  verifie((await rapports(page))[tardive].lieu === "m. 1 · tps 4", "the late bar is in measure 1, beat 4");
  const rangs = await page.$$eval("#listing .rang:not(.somme)", (rs) => rs.map((r) => [...r.children].map((c) => c.textContent)));
  verifie(rangs.length === 4 && rangs[3][3] === "faible" && rangs[3][4] === "! |" && rangs[3][5] === "16",
          "the listing shows the beats as written out");
  verifie(/^Mesure binaire \(ou unaire\) à la noire/.test(await page.$eval("#description", (p) => p.textContent)),
          "with the meter's description above");

  // The palette inserts at the caret.
  await pose(page, { texte: "! ! |" });
  await page.focus("#texte");
  await page.evaluate(() => document.getElementById("texte").setSelectionRange(2, 2));
  await page.click('#palette button[data-signe="["]');
  verifie(await page.$eval("#texte", (t) => [t.value, t.selectionStart].join("@")) === "! [! |@3", "the palette inserts at the caret");

  // A piece typed key by key, as a person types it: no fault shows.
  await pose(page, { texte: "" });
  await page.evaluate(() => { window.__fautesVues = 0; });
  await page.focus("#texte");
  await page.keyboard.type("! ! ! ! |\n[[ ! ff[ ! |\n([[[)3 ! < ! |\n!_! ! [[ |\n! ! !", { delay: 25 });
  await analysee(page);
  verifie((await rapports(page)).every((r) => !/\b(faute|correction)\b/.test(r.classe)), "a measure being typed is in progress, not a fault");
  await page.keyboard.type(" ! ||", { delay: 25 });
  await analysee(page);
  verifie(await page.evaluate(() => window.__fautesVues) === 0, "typing a correct piece key by key raises no fault");
  verifie((await verdict(page))[0] === "✔ 5 mesures, aucune faute", "and the verdict is the piece's");

  // A text that arrives by a reload is judged whole at once: a fault is ✖
  // with no key pressed; an unfinished last measure and an open group are
  // faults, which F8 reaches.
  const rouvre = async (texte) => {
    await pose(page, { numerateur: "4", denominateur: "4", decomposition: "", texte: texte });
    await page.reload();
    await analysee(page);
    return (await verdict(page))[0];
  };
  verifie((await rouvre("! ! ! ! |\n! ! |")).startsWith("✖ 1 mesure fautive : m. 2"), "a faulty text reloaded shows ✖ at once");
  verifie((await rouvre("! ! !")).startsWith("✖ 1 mesure fautive : m. 1"), "an unfinished last measure reloaded is a fault");
  await page.focus("#texte");
  await page.keyboard.press("F8");
  verifie(await page.$eval("#diagnostics li.actif", (li) => li.className.includes("fin")), "F8 reaches the unfinished measure");
  verifie((await rouvre("! ! ([[[")).startsWith("✖"), "an open group reloaded is a fault");
  // Typed at the end, the same unfinished measure is in progress, never ✔;
  // leaving the end judges it.
  await pose(page, { texte: "! ! !" });
  const enCours = (await verdict(page))[0];
  verifie(enCours === "… Mesure en cours, aucune faute jusqu'ici.", "typed, it is in progress: no ✔: " + enCours);
  await page.evaluate(() => document.getElementById("texte").blur());
  await page.waitForFunction(() => /^✖/.test(document.querySelector("#verdict .ligne").textContent), { timeout: 5000 });
  verifie(true, "leaving the end of the text judges it");

  // Reload: the work comes back; a shared link opens the same text.
  await pose(page, { numerateur: "3", denominateur: "4", decomposition: "", texte: "! ! ! |\nd. ||" });
  await new Promise((ok) => setTimeout(ok, 500));
  await page.reload();
  await analysee(page);
  verifie(await page.$eval("#texte", (t) => t.value) === "! ! ! |\nd. ||" && await page.$eval("#numerateur", (e) => e.value) === "3",
          "a reload keeps the text and the meter");
  await page.click("#partage");
  const lien = page.url();
  verifie(lien.includes("#"), "Partager puts the text in the address");
  const page2 = await navigateur.newPage();
  page2.on("pageerror", (e) => erreurs.push(String(e)));
  await ecoute(page2);
  // What the browser keeps is now another text: the link wins.
  await page.bringToFront();
  await pose(page, { texte: "o ||" });
  await new Promise((ok) => setTimeout(ok, 500));
  await page2.goto(lien);
  await analysee(page2);
  verifie(await page2.$eval("#texte", (t) => t.value) === "! ! ! |\nd. ||" && await page2.$eval("#denominateur", (e) => e.value) === "4",
          "a shared link opens the same text and meter");
  // The link is taken once: edits made after it survive a reload.
  verifie(!page2.url().includes("#"), "the address forgets the link once it is read");
  await pose(page2, { texte: "! ! ! |\n! ! ! ||" });
  await new Promise((ok) => setTimeout(ok, 500));
  await page2.reload();
  await analysee(page2);
  verifie(await page2.$eval("#texte", (t) => t.value) === "! ! ! |\n! ! ! ||", "an edit after opening a link survives a reload");
  await page2.close();
  await page.bringToFront();

  // A word the command line refuses is shown at its field, in the checker's words.
  const champ = (id) => page.$eval("#" + id, (e) => [e.getAttribute("aria-invalid"),
    document.getElementById("erreur-" + e.id).hidden ? "" : document.getElementById("erreur-" + e.id).textContent]);
  await pose(page, { numerateur: "abc", denominateur: "4", texte: "! ! ! ! |" });
  const [invalide, message] = await champ("numerateur");
  verifie(invalide === "true" && message.startsWith("rythme : numérateur «abc» refusé : un nombre entier de 1 à 99 est attendu.\nusage : "),
          "a wrong numerator is shown at its field, with the usage message");
  verifie((await verdict(page))[0] === "✖ La mesure n'est pas acceptée : voyez le champ « Numérateur ».", "and the verdict says so");
  await pose(page, { numerateur: "", denominateur: "4" });
  verifie((await champ("numerateur"))[1].startsWith("rythme : numérateur «» refusé"), "an empty numerator is not filled by the denominator");
  await pose(page, { numerateur: "4", denominateur: "" });
  verifie((await champ("denominateur"))[1].startsWith("rythme : dénominateur «» refusé"), "nor is an empty denominator left out");
  await pose(page, { denominateur: "4" });
  verifie((await champ("numerateur"))[0] === "false" && (await verdict(page))[0] === "✔ 1 mesure, aucune faute",
          "once the field is right the analysis runs");

  // A file with Windows line ends is checked as the console checks its
  // bytes, carriage returns shown as ␍; a button makes them plain.
  const crlf = path.join(require("os").tmpdir(), "rythme-crlf-" + sorte + ".txt");
  fs.writeFileSync(crlf, "! ! !\r\n! ||\r\n");
  const { module, pont } = await charge(site);
  const console4 = pont.analyse(module, [[52], [52]], fs.readFileSync(crlf));
  await (await page.$("#fichier")).uploadFile(crlf);
  await page.waitForFunction(() => document.getElementById("texte").value.includes("\u240D"), { timeout: 10000 });
  await analysee(page);
  verifie(await page.$eval("#taille-sortie", (e) => e.textContent) === console4.sortie.length + " octets" &&
          !(await page.$eval("#retours", (e) => e.hidden)), "a file's carriage returns are checked as the console checks them, and said");
  await page.click("#convertit-retours");
  await analysee(page);
  verifie(await page.$eval("#texte", (t) => t.value) === "! ! !\n! ||\n" && await page.$eval("#retours", (e) => e.hidden),
          "and made plain line ends on request");

  // Exporter: the console's files, downloaded under the example's name.
  await page.select("#exemples", fautes);
  await analysee(page);
  await page.evaluate(() => {
    window.__telecharges = [];
    HTMLAnchorElement.prototype.click = function () {
      const nom = this.download;
      fetch(this.href).then((r) => r.arrayBuffer()).then((b) => {
        window.__telecharges.push([nom, Array.from(new Uint8Array(b).slice(0, 40))]);
      });
    };
  });
  for (const [bouton, debut] of [["#exporte-musicxml", "<?xml version"], ["#exporte-midi", "MThd"]]) {
    await page.click("#exporter summary");
    await page.click(bouton);
  }
  await page.waitForFunction(() => window.__telecharges.length === 2, { timeout: 20000 });
  const telecharges = Object.fromEntries((await page.evaluate(() => window.__telecharges))
    .map(([nom, octets]) => [nom, String.fromCharCode(...octets)]));
  verifie(telecharges["fautes.musicxml"] && telecharges["fautes.musicxml"].startsWith("<?xml version") &&
          telecharges["fautes.mid"] && telecharges["fautes.mid"].startsWith("MThd"),
          "Exporter downloads the MusicXML score and the MIDI file: " + Object.keys(telecharges).join(", "));

  // The raw outputs of a long text: the first part at once, the rest offered.
  await pose(page, { numerateur: "4", denominateur: "4", decomposition: "", texte: "! ! ! ! |\n".repeat(3000) + "||" });
  await page.evaluate(() => { document.getElementById("brut").open = true; });
  await page.waitForFunction(() => /octets de plus : « Télécharger » donne le tout\)$/.test(document.getElementById("sortie").textContent),
                             { timeout: 10000 });
  verifie(await page.$eval("#sortie", (p) => p.textContent.length < 70 * 1024), "the raw output shows its first part and offers the rest");
  await page.evaluate(() => { document.getElementById("brut").open = false; });

  // On a phone.
  const fautes2 = await page.$$eval("#exemples option", (os) => os.find((o) => o.title.startsWith("fautes.txt")).value);
  await page.select("#exemples", fautes2);
  await analysee(page);
  await page.setViewport({ width: 390, height: 844 });
  await new Promise((ok) => setTimeout(ok, 200));
  verifie(await page.evaluate(() => document.documentElement.scrollWidth <= 390), "nothing is wider than a 390 px screen");
  await page.evaluate(() => window.scrollTo(0, 0));
  await page.screenshot({ path: path.join(captures, sorte + "-390.png"), fullPage: true });

  // Over HTTP, from a static server.
  const s = await serveur();
  try {
    const page3 = await navigateur.newPage();
    page3.on("pageerror", (e) => erreurs.push(String(e)));
    await ecoute(page3);
    await page3.goto(`http://127.0.0.1:${s.address().port}/`);
    await analysee(page3);
    verifie(true, "the page works served over HTTP");
    await page3.close();
  } finally {
    s.close();
  }
  verifie(erreurs.length === 0, "no script error in the page" + (erreurs.length ? ": " + erreurs.join("; ") : ""));
  console.log("screenshots: " + path.join(captures, sorte + "-1280.png") + ", " + path.join(captures, sorte + "-390.png"));
}

dansUnNavigateur({ modules, executable, sorte }, principal);
