// What the page and its tests use of a text area, on the editor's element:
// value (set, the text is laid anew and nothing before it can be undone),
// selectionStart and selectionEnd (offsets in the text), setSelectionRange
// (then a select event, as a text area sends), select and setRangeText.
// editeur: the editor's own operations on its text.
export function interfaceDeZone(el, editeur) {
  Object.defineProperty(el, "value", {
    configurable: true,
    get: editeur.lit,
    set: function (v) { editeur.pose(String(v).replace(/\r\n?/g, "\n")); },
  });
  Object.defineProperty(el, "selectionStart", { configurable: true, get: function () { return editeur.selection()[0]; } });
  Object.defineProperty(el, "selectionEnd", { configurable: true, get: function () { return editeur.selection()[1]; } });
  el.setSelectionRange = function (a, b) {
    editeur.selectionne(a, b === undefined ? a : b);
    setTimeout(function () { el.dispatchEvent(new Event("select", { bubbles: true })); }, 0);
  };
  el.select = function () { el.setSelectionRange(0, editeur.longueur()); };
  // Not an edit the user made: no input event, as from a text area.
  el.setRangeText = function (s, a, b, mode) {
    const [x, y] = a === undefined ? editeur.selection() : [a, b];
    const t = String(s);
    editeur.remplace(x, y, t, mode === "end" ? null : mode === "select" ? [x, x + t.length] : [x, x]);
  };
}
