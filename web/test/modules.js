// For the tests under node: the checker's module as the site has it, and the
// page's ES modules from the source tree, imported as the page's bundle
// imports them.
const path = require("path");
const { pathToFileURL } = require("url");

function importe(chemin) { return import(pathToFileURL(path.resolve(__dirname, "..", chemin)).href); }

async function charge(site) {
  const creeRythme = require(path.resolve(site, "rythme_wasm.js"));
  const [module, pont, mesures, lecture] = await Promise.all(
    [creeRythme(), importe("pont.js"), importe("partition/mesures.js"), importe("partition/lecture.js")]);
  return { module, pont, mesures, lecture };
}

module.exports = { charge, importe };
