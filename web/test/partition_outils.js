// What the score's tests in the browser share (partition.js).
"use strict";

function verifie(condition, quoi, detail) {
  if (!condition) throw new Error("failed: " + quoi + (detail !== undefined ? " (got " + JSON.stringify(detail) + ")" : ""));
  console.log("ok - " + quoi);
}

// The score of the analysis of the text in the text area, once drawn (a
// long one: the lines in view).
async function attendsPartition(page) {
  await page.waitForFunction(() => {
    const p = window.panneauPartition;
    return p && p.r && p.r.texte === document.getElementById("texte").value &&
      document.querySelectorAll("#partition .mesure").length === (p.mesures.length <= 60 ? p.mesures.length : p.partition.montres.size);
  }, { timeout: 10000 });
}

async function remplace(page, selecteur, texte) {
  await page.click(selecteur);
  await page.$eval(selecteur, (e) => e.select());
  await page.keyboard.press("Backspace");
  if (texte !== "") await page.type(selecteur, texte);
}

// The meter's words: numerator, denominator, decomposition ("" for none),
// set without the text being analysed again.
async function mots(page, n, d, dec) {
  await page.$eval("#numerateur", (e, v) => { e.value = v; }, n);
  await page.$eval("#denominateur", (e, v) => { e.value = v; }, d);
  await page.$eval("#decomposition", (e, v) => { e.value = v; }, dec);
}

// What the score's drawings in the document let stick out of their SVG
// (outside its viewBox), and notes past their measure's end bar.
const rognures = (page) => page.evaluate(() => {
  const dehors = [];
  for (const svg of document.querySelectorAll("#partition svg")) {
    const v = svg.viewBox.baseVal;
    const [l, h] = v && v.width ? [v.width, v.height] : [+svg.getAttribute("width"), +svg.getAttribute("height")];
    for (const e of svg.querySelectorAll("text, path, rect")) {
      const b = e.getBBox();
      if (b.width === 0 && b.height === 0) continue;
      // A music font's text has its font's whole height as its box: only
      // its width tells.
      const haut = e.tagName !== "text" || !/Bravura/.test(getComputedStyle(e).fontFamily);
      if (b.x < -0.5 || b.x + b.width > l + 0.5 || (haut && (b.y < -0.5 || b.y + b.height > h + 0.5)))
        dehors.push((e.closest("[class]") || e).getAttribute("class") + " " + (e.textContent || "").slice(0, 12) + " " + [b.x, b.y, b.width, b.height, l, h].map(Math.round));
    }
  }
  for (const g of document.querySelectorAll("#partition .mesure")) {
    const barre = g.querySelector("rect.barre");
    if (!barre) continue;
    const x = +barre.getAttribute("x") + 7;
    for (const n of g.querySelectorAll(".signe")) { const b = n.getBBox(); if (b.x + b.width > x + 0.5) dehors.push("past its bar: m. " + g.dataset.mesure); }
  }
  return dehors;
});

// The notes' onsets, in s, of the playback of the text as it stands,
// rendered offline at 8 kHz.
const rendu = (page) => page.evaluate(async () => {
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

module.exports = { verifie, attendsPartition, remplace, mots, rognures, rendu };
