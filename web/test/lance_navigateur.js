// The browser a page test drives: launched with a profile of its own, closed
// and its profile removed whatever the test does, a failure ending the
// process with status 1. Chromium gets the flags that keep it off this
// machine's closed network.
"use strict";
const fs = require("fs");
const os = require("os");
const path = require("path");

const drapeauxChromium = ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                          "--disable-background-networking", "--disable-component-update", "--disable-sync"];

// travail(navigateur, puppeteer) runs in the browser; sorte is "chrome" or
// "firefox"; arguments: more Chromium flags.
function dansUnNavigateur({ modules, executable, sorte = "chrome", argumentsEnPlus = [] }, travail) {
  const puppeteer = require(path.join(path.resolve(modules), "puppeteer-core"));
  (async () => {
    const profil = fs.mkdtempSync(path.join(os.tmpdir(), "rythme-" + sorte + "-"));
    const options = { executablePath: executable, headless: true, userDataDir: profil };
    if (sorte === "firefox") options.browser = "firefox";
    else options.args = [...drapeauxChromium, ...argumentsEnPlus];
    const navigateur = await puppeteer.launch(options);
    try {
      await travail(navigateur, puppeteer);
    } finally {
      await navigateur.close();
      fs.rmSync(profil, { recursive: true, force: true });
    }
  })().catch((e) => {
    console.error(e);
    process.exit(1);
  });
}

module.exports = { dansUnNavigateur };
