// A measure's signs as VexFlow's objects: its staff (time signature, repeat
// signs, ending, bar), its notes and rests (in their marks' colours), beams
// by beat, tuplets. Nothing is drawn here.

// The colours of faults and advice, as the text's marks have them (index.html).
export const couleurs = { faute: "#b03226", conseil: "#2f5d8a" };

// VexFlow's durations by plain value in quads.
const durees = { 64: "w", 32: "h", 16: "q", 8: "8", 4: "16", 2: "32", 1: "64" };

// The staff of measure m at x, largeur wide, in a line whose staff top is y.
export function porteeDe(VF, m, x, largeur, y) {
  const portee = new VF.Stave(x, y, largeur);
  portee.setConfigForLines([{ visible: false }, { visible: false }, { visible: true }, { visible: false }, { visible: false }]);
  if (m.montreMetre) portee.addTimeSignature(m.signature);
  portee.setBegBarType(m.reprise ? VF.BarlineType.REPEAT_BEGIN : VF.BarlineType.NONE);
  // A bar the checker added by count is drawn dashed, by the marks (marques.js).
  const fins = { simple: VF.BarlineType.SINGLE, finale: VF.BarlineType.END, reprise: VF.BarlineType.REPEAT_END, aucune: VF.BarlineType.NONE };
  portee.setEndBarType(m.barre.ecrite ? fins[m.barre.sorte] : VF.BarlineType.NONE);
  const v = m.volta;
  if (v !== null && v !== undefined) portee.setVoltaType(typeDeVolta(VF, v), v.commence ? v.numero + "." : "", 14);
  return portee;
}

// An ending's bracket over one measure: hooked down where it starts, and
// where it ends closed (a repeat sign follows it); the last ending is left open.
function typeDeVolta(VF, v) {
  const ferme = v.termine && v.fermee;
  if (v.commence) return ferme ? VF.VoltaType.BEGIN_END : VF.VoltaType.BEGIN;
  return ferme ? VF.VoltaType.END : VF.VoltaType.MID;
}

// Its notes and rests, on the middle line, stems up, a marked one in its
// mark's colour (a fault's before advice's). Returns [notes, marquees
// (element -> "faute" | "conseil")].
export function notesDe(VF, m) {
  const notes = m.elements.map(function (e) {
    const n = new VF.StaveNote({ keys: ["b/4"], duration: durees[e.base] + (e.silence ? "r" : ""), dots: e.points,
                                 autoStem: false, stemDirection: 1 });
    for (let k = 0; k < e.points; k++) VF.Dot.buildAndAttach([n], { all: true });
    return n;
  });
  const marquees = new Map();
  m.marques.forEach(function (k) {
    k.elements.forEach(function (i) { if (marquees.get(i) !== "faute") marquees.set(i, k.sorte); });
  });
  marquees.forEach(function (sorte, i) {
    notes[i].setStyle({ fillStyle: couleurs[sorte], strokeStyle: couleurs[sorte] });
  });
  return [notes, marquees];
}

// The voice of the notes, formatted into their staff: spacing by durations,
// justified to the staff's width.
export function voixDe(VF, notes, portee) {
  const voix = new VF.Voice({ numBeats: 4, beatValue: 4 }).setMode(VF.Voice.Mode.SOFT);
  voix.addTickables(notes);
  new VF.Formatter().joinVoices([voix]).formatToStave([voix], portee);
  return voix;
}

// Beams by beat, as the checker grouped the values; in a ternary meter
// counted in its sub-beats (6/8 in eighths), by the compound beat they make.
export function poutresDe(VF, m, notes) {
  const poutres = [];
  let suite = [];
  const ferme = function () { if (suite.length > 1) poutres.push(new VF.Beam(suite)); suite = []; };
  const metre = m.metre;
  const parSousTemps = metre && !metre.compose && metre.ennaire > 2;
  const battue = function (e) { return parSousTemps ? Math.floor((e.temps - 1) / metre.ennaire) : e.temps; };
  m.elements.forEach(function (e, i) {
    if (e.silence || e.base > 8) { ferme(); return; }
    if (suite.length > 0 && battue(m.elements[i - 1]) !== battue(e)) ferme();
    suite.push(notes[i]);
  });
  ferme();
  return poutres;
}

// The tuplets, bracketed with their number.
export function noletsDe(VF, m, notes) {
  return m.groupes.filter(function (g) { return g.dernier >= g.premier; }).map(function (g) {
    const occupe = Math.max(1, Math.round(g.genre * g.valeur / Math.max(1, g.somme)));
    return new VF.Tuplet(notes.slice(g.premier, g.dernier + 1), { numNotes: g.genre, notesOccupied: occupe, bracketed: true });
  });
}
