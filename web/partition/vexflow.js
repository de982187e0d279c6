// VexFlow as the score uses it, made cheaper where its making of elements
// costs most (an edit redraws a line of music while the user types).
import VexFlow, { Metrics, SVGContext } from "vexflow/bravura";

export { VexFlow };

// VexFlow measures each glyph it places on a canvas of its own: the same few
// glyphs over and over, and each time the browser may first resolve the
// font against the page being edited. Each is measured once, once its font
// has loaded.
function mesureurDeTexte() {
  const toile = typeof OffscreenCanvas !== "undefined" ? new OffscreenCanvas(8, 8) : document.createElement("canvas");
  const ctx = toile.getContext("2d");
  const mesures = new Map();
  let police = ctx.font;
  const mesureur = {
    get font() { return police; },
    set font(f) { police = f; },
    measureText: function (texte) {
      const cle = police + "\u0001" + texte;
      let m = mesures.get(cle);
      if (m !== undefined) return m;
      ctx.font = police;
      m = ctx.measureText(texte);
      if (typeof document === "undefined" || !document.fonts || document.fonts.check(police, texte)) mesures.set(cle, m);
      return m;
    },
  };
  return { getContext: function () { return mesureur; } };
}
VexFlow.Element.setTextMeasurementCanvas(mesureurDeTexte());

// VexFlow copies flat records (strings, numbers, a dash array) with
// structuredClone: its cached font and style at every element it makes
// (half the time a note takes to make), and the drawing context's state at
// every save and restore (a third of the time a line takes to draw). They
// are copied as what they are.
function copie(o) {
  const c = Object.assign({}, o);
  for (const k in c) if (Array.isArray(c[k])) c[k] = c[k].slice();
  return c;
}
for (const nom of ["getFontInfo", "getStyle"]) {
  const lis = Metrics[nom];
  const lus = new Map();
  Metrics[nom] = function (cle) {
    let r = lus.get(cle);
    if (r === undefined) {
      r = lis.call(Metrics, cle);
      lus.set(cle, r);
    }
    return copie(r);
  };
}
SVGContext.prototype.save = function () {
  this.stateStack.push({ state: copie(this.state), attributes: copie(this.attributes) });
  return this;
};
SVGContext.prototype.restore = function () {
  const garde = this.stateStack.pop();
  if (garde) {
    this.state = copie(garde.state);
    this.attributes = copie(garde.attributes);
  }
  return this;
};
