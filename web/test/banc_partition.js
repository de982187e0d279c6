// How long the score takes to redraw, in headless Chromium: a piece of 200
// measures drawn once (the measures in view), then, the score scrolled to
// measure 100, an edit in that measure, the score redrawn each time (the
// median of several edits is printed). A figure, not
// a test: it never fails for being slow.
//   node banc_partition.js SITE_DIR NODE_MODULES CHROMIUM
"use strict";
const path = require("path");

const [site, modules, chromium] = process.argv.slice(2);
const { dansUnNavigateur } = require("./lance_navigateur.js");

const mediane = (t) => t.slice().sort((a, b) => a - b)[t.length >> 1];

async function principal(navigateur) {
  const page = await navigateur.newPage();
  await page.setViewport({ width: 1280, height: 1100 });
  await page.goto("file://" + path.resolve(site, "index.html"));
  await page.waitForFunction(() => window.panneauPartition && window.panneauPartition.r, { timeout: 10000 });
  const mesures = ["! ! ! ! |", "[[ ! ff[ ! |", "!_! ! [[ |", "([[[)3 ! < ! |", "!. [ d |"];
  const texte = Array.from({ length: 200 }, (_, i) => mesures[i % mesures.length]).join("\n") + "|";
  const figures = await page.evaluate(async (texte) => {
    const t = document.getElementById("texte");
    const fixe = (id, v) => { const e = document.getElementById(id); e.value = v; e.dispatchEvent(new Event("input")); };
    fixe("numerateur", "4");
    fixe("denominateur", "4");
    fixe("decomposition", "");
    const attends = (v) => new Promise((ok) => {
      const regarde = () => (window.panneauPartition.r && window.panneauPartition.r.texte === v ? ok() : setTimeout(regarde, 5));
      regarde();
    });
    t.value = texte;
    t.dispatchEvent(new Event("input"));
    await attends(texte);
    const premier = window.panneauPartition.dureeDessin;
    // Edits in measure 100: a quarter becomes two eighths, and back.
    const place = texte.split("\n").slice(0, 99).join("\n").length + 1;
    const nombre = window.panneauPartition.mesures.length;
    // The caret stands in the measure edited, so the score shows it.
    t.focus();
    t.setSelectionRange(place, place);
    t.dispatchEvent(new Event("select"));
    const durees = [];
    let v = texte;
    for (let i = 0; i < 9; i++) {
      v = i % 2 === 0 ? v.slice(0, place) + "[[" + v.slice(place + 1) : v.slice(0, place) + "!" + v.slice(place + 2);
      t.value = v;
      t.setSelectionRange(place + 1, place + 1);
      t.dispatchEvent(new Event("input"));
      await attends(v);
      durees.push(window.panneauPartition.dureeDessin);
      if (document.querySelector('#partition .mesure[data-mesure="99"]') === null)
        throw new Error("measure 100 was not redrawn");
    }
    return { premier, nombre, durees };
  }, texte);
  console.log(`score of ${figures.nombre} measures: first drawing (the measures in view) ${figures.premier.toFixed(1)} ms; ` +
              `redrawn after an edit in one measure: median ${mediane(figures.durees).toFixed(1)} ms, ` +
              `worst ${Math.max(...figures.durees).toFixed(1)} ms (${figures.durees.length} edits: ${figures.durees.map((d) => d.toFixed(0)).join(" ")})`);
}

dansUnNavigateur({ modules, executable: chromium }, principal);
