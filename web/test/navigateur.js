// The page in a real browser: headless Chromium (the system's), driven by
// puppeteer-core. Opens the built page from file://, types a faulty measure,
// finds the late-bar report at line 1, column 7, selects its character by a
// click, reads the listing, fixes the text and sees the report go; then an
// example from the menu, a character outside Latin-1, the raw streams, and
// the same page served over HTTP. Screenshots go to CAPTURES_DIR.
//   node navigateur.js SITE_DIR NODE_MODULES CHROMIUM CAPTURES_DIR
"use strict";
const fs = require("fs");
const http = require("http");
const os = require("os");
const path = require("path");

const [site, modules, chromium, captures] = process.argv.slice(2);
const puppeteer = require(path.join(path.resolve(modules), "puppeteer-core"));

function verifie(condition, quoi) {
  if (!condition) throw new Error("failed: " + quoi);
  console.log("ok - " + quoi);
}

// The page after the analysis that follows an edit: the status line is
// written anew by each analysis.
async function attendsAnalyse(page, predicat, arg) {
  await page.waitForFunction(predicat, { timeout: 10000 }, arg);
}

async function remplace(page, selecteur, texte) {
  await page.click(selecteur);
  await page.$eval(selecteur, (e) => e.select());
  await page.keyboard.press("Backspace");
  if (texte !== "") await page.type(selecteur, texte);
}

// Each report shown: its position, measure and beat, code, message.
function rapports(page) {
  return page.$$eval("#diagnostics li[data-rapport]", (lis) => lis.map((li) => ({
    position: li.querySelector(".position").textContent,
    lieu: li.querySelector(".lieu").textContent,
    code: li.querySelector(".code").textContent,
    message: li.querySelector(".message").textContent,
  })));
}

// A static server of the site, on a free port of the loopback.
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

async function principal() {
  fs.mkdirSync(captures, { recursive: true });
  const profil = fs.mkdtempSync(path.join(os.tmpdir(), "rythme-chromium-"));
  const navigateur = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: profil,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync"],
  });
  const erreurs = [];
  try {
    const page = await navigateur.newPage();
    page.on("pageerror", (e) => erreurs.push(String(e)));
    page.on("console", (m) => { if (m.type() === "error") erreurs.push(m.text()); });
    await page.setViewport({ width: 1280, height: 1100 });

    // From file://, the module embedded in its loader.
    await page.goto("file://" + path.resolve(site, "index.html"));
    await attendsAnalyse(page, () => /statut/.test(document.getElementById("etat").textContent));
    verifie(await page.$eval("#etat", (e) => e.textContent) === "Analyse terminée sur la double barre finale (statut 0).",
            "the first example loads and ends on its double bar");
    verifie((await rapports(page)).length === 0, "the first example has no report");

    // The faulty measure, typed in 4 4.
    await remplace(page, "#numerateur", "4");
    await remplace(page, "#denominateur", "4");
    await remplace(page, "#decomposition", "");
    await remplace(page, "#texte", "! ! ! d |");
    verifie(await page.$eval("#commande", (e) => e.textContent) === "rythme 4 4 < texte", "the command line shows 4 4");
    await attendsAnalyse(page, () => [...document.querySelectorAll("#diagnostics .message")]
      .some((m) => /tardive/.test(m.textContent)));
    const faute = (await rapports(page)).find((r) => /tardive/.test(r.message));
    verifie(faute.position === "l. 1 col. 7", "the late bar is reported at line 1, column 7");
    verifie(faute.lieu === "m. 1  tps 4", "in measure 1, beat 4");
    verifie(/^\$0000 /.test(faute.code), "with its code and category (" + faute.code + ")");
    verifie(faute.message.startsWith("la barre '|' indiquant une fin de mesure est tardive\n\tmodifiez"),
            "in readable French");

    // A click selects its extent: the d.
    const indice = await page.$$eval("#diagnostics li[data-rapport]",
      (lis) => lis.findIndex((li) => /tardive/.test(li.textContent)));
    await page.click(`#diagnostics li[data-rapport="${indice}"]`);
    const selection = await page.$eval("#texte", (t) => [t.selectionStart, t.selectionEnd, t.value.slice(t.selectionStart, t.selectionEnd)]);
    verifie(selection[0] === 6 && selection[1] === 7 && selection[2] === "d", "clicking it selects the d");
    verifie(await page.$eval("#miroir", (m) => [...m.querySelectorAll("mark")].map((k) => k.textContent).join("|")) === "d",
            "the d is marked in the text");

    // The listing: one measure of four beats, strong and weak in turn.
    const listing = await page.$$eval("#listing tbody.mesure tr:not(.somme)", (trs) => trs.map((tr) =>
      [...tr.children].map((td) => td.textContent)));
    verifie(listing.length === 4 && listing.map((l) => l[2]).join(",") === "1,2,3,4", "the listing shows four beats");
    verifie(listing.map((l) => l[3]).join(",") === "fort,faible,fort,faible", "strong and weak in turn");
    verifie(listing[3][4] === "! |" && listing[3][5] === "16", "the last beat as it was written out: '! |', 16");
    verifie(await page.$eval("#listing tr.somme", (tr) => [...tr.children].map((td) => td.textContent).join(" ").trim()) ===
            "4 temps trouvés, total 80", "the measure's summary keeps the total read");
    verifie(/^Mesure binaire \(ou unaire\) à la noire\n\(nombre de temps\) 4 \/ 4/.test(
      await page.$eval("#listing pre.description", (p) => p.textContent)), "the meter description is above it");

    // The raw streams, exactly as the console prints them.
    await page.click("#brut summary");
    const erreur = await page.$eval("#erreur", (p) => p.textContent);
    verifie(erreur.includes("l. 1 col. 7 m. 1 tps 4 :  la barre '|' indiquant une fin de mesure est tardive\n\tmodifiez la valeur du dernier temps ou changez de mesure.\n\td sérié à ...\n"),
            "the raw standard error holds the report as printed");
    verifie((await page.$eval("#sortie", (p) => p.textContent)).includes("** Fin d'analyse en l. 1 col. 10\n"),
            "the raw standard output holds the banners");
    await page.click("#brut summary");
    await page.click(`#diagnostics li[data-rapport="${indice}"]`);
    await page.evaluate(() => window.scrollTo(0, 0));
    await page.screenshot({ path: path.join(captures, "page.png"), fullPage: true });
    console.log("screenshot: " + path.join(captures, "page.png"));

    // Fixing the text clears the report: the d selected is typed over.
    await page.keyboard.type("!");
    verifie(await page.$eval("#texte", (t) => t.value) === "! ! ! ! |", "the d is replaced");
    await attendsAnalyse(page, () => document.querySelector("#diagnostics li.vide") !== null);
    verifie((await rapports(page)).length === 0, "fixing the text clears the diagnostic");
    verifie(await page.$eval("#erreur", (p) => p.textContent) === "", "and standard error is empty");
    verifie(await page.$eval("#listing tr.somme", (tr) => [...tr.children].map((td) => td.textContent).join(" ").trim()) ===
            "4 temps trouvés, total 64", "the measure now totals 64");

    // An example from the menu, with its command line.
    const option = await page.$$eval("#exemples option", (os) => os.find((o) => o.textContent.startsWith("fautes.txt")).value);
    await page.select("#exemples", option);
    await attendsAnalyse(page, () => document.querySelectorAll("#diagnostics li[data-rapport]").length > 5);
    verifie(await page.$eval("#commande", (e) => e.textContent) === "rythme 4 4 < texte", "the example sets its command line");
    const inconnu = (await rapports(page)).findIndex((r) => /caractère à définir/.test(r.message));
    await page.click(`#diagnostics li[data-rapport="${inconnu}"]`);
    verifie(await page.$eval("#texte", (t) => t.value.slice(t.selectionStart, t.selectionEnd)) === "%",
            "its unknown character is selected by its report");
    await page.evaluate(() => window.scrollTo(0, 0));
    await page.screenshot({ path: path.join(captures, "exemple.png"), fullPage: true });

    // The repeat signs the scanner echoes stand in the listing where they come.
    const reprises = await page.$$eval("#exemples option", (os) => os.find((o) => o.textContent.startsWith("reprises.txt")).value);
    await page.select("#exemples", reprises);
    await attendsAnalyse(page, () => document.querySelectorAll("#listing tbody.mesure").length === 4);
    verifie((await page.$$eval("#listing tbody.note", (ts) => ts.map((t) => t.textContent.trim()))).join(",") === "|:,1.,:|",
            "the repeat signs echoed stand between the measures");
    verifie((await page.$$eval("#listing td.metre", (ts) => ts.map((t) => t.textContent).filter((t) => t !== ""))).join() === Array(4).fill("4 / 4 (! = 60)").join(),
            "apart from the beat lines they are glued to");

    // A character outside Latin-1 goes as '?' and is reported where it stands.
    await remplace(page, "#texte", "! \u2669 ! ! |");
    await attendsAnalyse(page, () => !document.getElementById("hors").hidden);
    const note = (await rapports(page)).findIndex((r) => /'\?' caractère à définir/.test(r.message));
    await page.click(`#diagnostics li[data-rapport="${note}"]`);
    verifie(await page.$eval("#texte", (t) => t.value.slice(t.selectionStart, t.selectionEnd)) === "\u2669",
            "a character outside Latin-1 is reported on itself");

    // No words: the meter is inferred.
    await remplace(page, "#numerateur", "");
    await remplace(page, "#denominateur", "");
    await remplace(page, "#texte", "! ! ! |\n! ! ! ||");
    await attendsAnalyse(page, () => document.querySelectorAll("#listing tbody.mesure").length === 2);
    verifie(await page.$eval("#commande", (e) => e.textContent) === "rythme < texte", "empty fields are no words");

    // A fatal message ends that analysis only: the page goes on.
    await remplace(page, "#numerateur", "4");
    await remplace(page, "#denominateur", "99");
    await attendsAnalyse(page, () => /Erreur interne/.test(document.getElementById("etat").textContent));
    verifie((await page.$eval("#etat", (e) => e.textContent)).endsWith("(statut 1). échelonne : erreur de programmation (valeur en dehors)"),
            "an internal failure is told, with its message");
    await remplace(page, "#denominateur", "4");
    await attendsAnalyse(page, () => /statut 0/.test(document.getElementById("etat").textContent));
    verifie(true, "and the next analysis runs");

    // Over HTTP, from a static server.
    const s = await serveur();
    try {
      const adresse = `http://127.0.0.1:${s.address().port}/`;
      const page2 = await navigateur.newPage();
      page2.on("pageerror", (e) => erreurs.push(String(e)));
      await page2.goto(adresse);
      await attendsAnalyse(page2, () => /statut 0/.test(document.getElementById("etat").textContent));
      verifie(true, "the page works served over HTTP");
      await page2.close();
    } finally {
      s.close();
    }
    verifie(erreurs.length === 0, "no script error in the page" + (erreurs.length ? ": " + erreurs.join("; ") : ""));
  } finally {
    await navigateur.close();
    fs.rmSync(profil, { recursive: true, force: true });
  }
}

principal().catch((e) => {
  console.error(e);
  process.exit(1);
});
