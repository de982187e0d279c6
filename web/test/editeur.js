// The text's editor in a real browser: a piece typed key by key, what the
// page needs of it as of a text area (its value and selection across its
// blocks of lines), Enter and
// Backspace at a block's edge, a long paste cut into blocks, undo and redo of
// a palette insert over several blocks, and the marks drawn exactly over
// their characters, deep in a long text and far along a line.
//   node editeur.js SITE_DIR NODE_MODULES chrome|firefox EXECUTABLE
"use strict";
const path = require("path");

const [site, modules, sorte, executable] = process.argv.slice(2);
const { dansUnNavigateur } = require("./lance_navigateur.js");

function verifie(condition, quoi, vu) {
  if (!condition) throw new Error(`failed (${sorte}): ${quoi}` + (vu !== undefined ? ": " + JSON.stringify(vu) : ""));
  console.log("ok - " + quoi);
}

const lignes = (n, f) => Array.from({ length: n }, (_, i) => f(i)).join("\n");
const etat = (page) => page.$eval("#texte", (t) => ({ v: t.value, a: t.selectionStart, b: t.selectionEnd, blocs: t.children.length }));

async function touche(page, k, modif) {
  if (modif) await page.keyboard.down(modif);
  await page.keyboard.press(k);
  if (modif) await page.keyboard.up(modif);
}

async function principal(navigateur) {
  const page = await navigateur.newPage();
  const erreurs = [];
  page.on("pageerror", (e) => erreurs.push(String(e)));
  await page.setViewport({ width: 1280, height: 1000 });
  await page.goto("file://" + path.resolve(site, "index.html"));
  await page.waitForFunction(() => document.getElementById("texte").value !== "", { timeout: 20000 });
  verifie(await page.$eval("#texte", (t) => [t.getAttribute("role"), t.getAttribute("aria-multiline"), t.spellcheck].join()) ===
          "textbox,true,false", "a labelled multi-line text box, spelling unchecked");

  // A piece typed key by key at a quick typist's pace, as the page analyses
  // and draws it between keys: every key lands at the caret (Chromium now
  // and then typed one at the block's start).
  await page.focus("#texte");
  await touche(page, "KeyA", "Control");
  await touche(page, "Backspace");
  const piece = "|: ! [[ ([[[)3 ! | !. [ !_[ [ |1. d d :|2. o |\n6/8 !. [[[ | !. !. |\nC ! ! d | ! ! ! | d. ! ||";
  for (const c of piece) {
    await touche(page, c === "\n" ? "Enter" : c);
    await new Promise((ok) => setTimeout(ok, 60));
  }
  const tape = await etat(page);
  verifie(tape.v === piece && tape.a === piece.length, "a piece typed key by key is the piece, the caret at its end", tape.v);

  // The value and the selection, set and read back across blocks.
  const texte = lignes(1000, (i) => "! ! ! ! | " + i);
  const lu = await page.$eval("#texte", (t, x) => {
    t.value = x;
    t.focus();
    t.setSelectionRange(5000, 6005);
    t.blur();
    return [t.value === x, t.children.length, t.selectionStart, t.selectionEnd];
  }, texte);
  verifie(lu[0] && lu[1] > 3 && lu[2] === 5000 && lu[3] === 6005, "value and selection round trips over several blocks", lu);

  // Keys: Enter is a line end; Backspace at a block's start joins two lines.
  const bord = texte.split("\n").slice(0, 200).join("\n").length + 1;
  await page.$eval("#texte", (t, c) => { t.focus(); t.setSelectionRange(c, c); }, bord);
  await touche(page, "Backspace");
  let e = await etat(page);
  verifie(e.v === texte.slice(0, bord - 1) + texte.slice(bord) && e.a === bord - 1, "Backspace at a block's start joins its line to the one before");
  await touche(page, "Enter");
  await page.keyboard.type("ab");
  e = await etat(page);
  verifie(e.v === texte.slice(0, bord) + "ab" + texte.slice(bord) && e.a === bord + 2 &&
          await page.$eval("#texte", (t) => t.querySelector("br, :scope div div") === null), "Enter puts a line end, no element", e.a);
  await touche(page, "z", "Control");
  await touche(page, "z", "Control");
  verifie((await etat(page)).v === texte.slice(0, bord - 1) + texte.slice(bord), "undone, key by key");

  // A long paste is cut into blocks, the caret after it.
  const colle = lignes(3000, (i) => "[[ ! " + i);
  await page.$eval("#texte", (t, x) => {
    t.value = "! |";
    t.focus();
    t.setSelectionRange(1, 1);
    const d = new DataTransfer();
    d.setData("text/plain", x);
    t.dispatchEvent(new InputEvent("beforeinput", { inputType: "insertFromPaste", dataTransfer: d, cancelable: true, bubbles: true }));
  }, colle);
  e = await etat(page);
  const plusLong = await page.$eval("#texte", (t) => Math.max(...[...t.children].map((b) => b.textContent.split("\n").length)));
  verifie(e.v === "!" + colle + " |" && e.a === 1 + colle.length && e.blocs >= 15 && plusLong <= 400, "a long paste is cut into blocks", [e.blocs, plusLong]);
  await touche(page, "Home", "Control");
  const debut = (await etat(page)).a;
  await touche(page, "End", "Control");
  e = await etat(page);
  verifie(debut === 0 && e.a === e.v.length, "Ctrl+Home and Ctrl+End reach the text's ends past blocks not laid out", [debut, e.a]);

  // The palette's insert, over a selection across blocks, is undone and redone.
  await page.$eval("#texte", (t, x) => { t.value = x; t.dispatchEvent(new Event("input", { bubbles: true })); t.focus(); t.setSelectionRange(5, 5000); }, texte);
  await page.click('#palette button[data-signe="["]');
  const insere = (await etat(page)).v;
  await page.focus("#texte");
  await touche(page, "z", "Control");
  const defait = await etat(page);
  await touche(page, "y", "Control");
  verifie(insere === texte.slice(0, 5) + "[" + texte.slice(5000) && defait.v === texte && defait.a === 5 && defait.b === 5000 &&
          (await etat(page)).v === insere, "the palette's insert over several blocks is undone and redone", insere.slice(0, 20));

  // The marks stand over their characters: a fault 700 lines down, and one
  // after a tab far along a line, each selected from its report.
  const fautes = "! ! ! ! |\n".repeat(700) + "! ! ! d |\n\t" + "! ! ! ! | ".repeat(40) + "! ! ! d |";
  await page.$eval("#texte", (t, x) => { t.value = x; t.dispatchEvent(new Event("input", { bubbles: true })); }, fautes);
  await page.waitForFunction(() => document.querySelectorAll("#diagnostics li[data-rapport]").length >= 2 &&
                             document.querySelectorAll("#miroir mark").length >= 2, { timeout: 20000 });
  for (const n of [0, 1]) {
    await page.$$eval("#diagnostics li[data-rapport] button", (bs, k) => bs.filter((b) => /tardive/.test(b.textContent))[k].click(), n);
    const ecart = await page.evaluate(() => new Promise((ok) => requestAnimationFrame(() => requestAnimationFrame(() => {
      const s = document.getSelection().getRangeAt(0).getBoundingClientRect();
      const m = document.querySelector("#miroir mark.actif").getBoundingClientRect();
      const t = document.getElementById("texte").getBoundingClientRect();
      ok([s.left - m.left, s.top - m.top, s.width - m.width, s.top > t.top && s.bottom < t.bottom && s.left > t.left && s.right < t.right]);
    }))));
    verifie(Math.abs(ecart[0]) < 1 && Math.abs(ecart[1]) < 1 && Math.abs(ecart[2]) < 1 && ecart[3],
            `mark ${n + 1} stands over its character, in view`, ecart);
  }
  verifie(erreurs.length === 0, "no script error", erreurs);
}

dansUnNavigateur({ modules, executable, sorte }, principal);
