// Brings a part of the page in line with new markup from the server while
// leaving alone what the user is in the middle of: the element that has the
// focus stays the same element, so its caret, its selection and the scroll of
// its list stay; a box the user typed into while the server worked keeps what
// was typed, unless the server itself changed that box.
//
// `sent` maps each box (by valueKey) to what it held when the event went to
// the server; a box whose new value equals that was not changed by the server.
// Its `serverOwns` set names the boxes whose text the event itself carried
// (a cell's edit): the answer decides what they show.
(function () {
  'use strict';

  // Attributes the page itself sets on elements (colours, alignment): the
  // server's markup never carries them, so they are not removed.
  const PAGE_OWNED = new Set(['style']);

  function cellKey(grid, row, col) {
    return 'cell:' + grid + ':' + row + ':' + col;
  }

  function valueKey(el) {
    if (el.id) return el.id;
    if (el.classList && el.classList.contains('cell')) {
      const grid = el.closest('.grid');
      return cellKey(grid ? grid.id : '', el.dataset.row, el.dataset.col);
    }
    return null;
  }

  // What every box of a part of the page holds now.
  function snapshot(root) {
    const out = new Map();
    if (!root) return out;
    root.querySelectorAll('input, select, textarea').forEach((el) => {
      const k = valueKey(el);
      if (k) out.set(k, el.type === 'checkbox' || el.type === 'radio' ? el.checked : el.value);
    });
    return out;
  }

  // Children are matched by what names them: an id, a piece of the screen, a
  // grid row; others by their place among the unnamed ones.
  function keyOf(n) {
    if (n.nodeType !== 1) return null;
    if (n.id) return '#' + n.id;
    if (n.dataset.c !== undefined) return 'c' + n.dataset.c;
    if (n.dataset.row !== undefined && n.tagName === 'TR') return 'r' + n.dataset.row;
    if (n.dataset.spacer !== undefined) return 's' + n.dataset.spacer;
    return null;
  }

  function syncAttributes(a, b) {
    for (const { name, value } of Array.from(b.attributes)) {
      if (a.getAttribute(name) !== value) a.setAttribute(name, value);
    }
    for (const { name } of Array.from(a.attributes)) {
      if (!b.hasAttribute(name) && !PAGE_OWNED.has(name)) a.removeAttribute(name);
    }
  }

  // Takes the server's value unless the user typed since the event was sent
  // and the server left the box as it was sent.
  function serverChanged(a, newValue, sent) {
    const k = valueKey(a);
    return !(sent && k !== null && sent.has(k) && sent.get(k) === newValue);
  }

  // A grid cell's text reaches the server only when the cell is left, so an
  // answer to an earlier event (the move into the cell, say) does not know
  // what is being typed there: the cell keeps it unless the server changed
  // the cell itself, or the answer is to that cell's own edit.
  function cellKeepsTyping(a, before, value, sent) {
    if (!a.classList.contains('cell')) return false;
    const k = valueKey(a);
    if (sent && sent.serverOwns && sent.serverOwns.has(k)) return false;
    return (before || '') === value;
  }

  function syncBox(a, b, sent, before) {
    if (a.type === 'checkbox' || a.type === 'radio') {
      const checked = b.hasAttribute('checked');
      if (a.checked !== checked && serverChanged(a, checked, sent)) a.checked = checked;
      return;
    }
    const value = a.tagName === 'TEXTAREA' ? b.value : b.getAttribute('value') || '';
    if (a.value === value || !serverChanged(a, value, sent) || cellKeepsTyping(a, before, value, sent)) return;
    a.value = value;
    if (a === document.activeElement && typeof a.setSelectionRange === 'function') {
      try { a.setSelectionRange(value.length, value.length); } catch (e) { /* not a text box */ }
    }
  }

  function syncSelect(a, b, sent) {
    const chosen = Array.from(b.options).find((o) => o.hasAttribute('selected')) || b.options[0];
    const value = chosen ? chosen.value : '';
    if (a.value !== value && serverChanged(a, value, sent)) a.value = value;
  }

  function morphChildren(a, b, sent) {
    const incoming = Array.from(b.childNodes);
    const wanted = new Set(incoming.map(keyOf).filter((k) => k !== null));
    // Named children the new markup no longer has go first, so that those
    // that stay need not move (moving an element takes its focus away).
    for (const n of Array.from(a.childNodes)) {
      const k = keyOf(n);
      if (k !== null && !wanted.has(k)) n.remove();
    }
    const byKey = new Map();
    for (const n of a.childNodes) {
      const k = keyOf(n);
      if (k !== null) byKey.set(k, n);
    }
    const used = new Set();
    incoming.forEach((nb, i) => {
      const k = keyOf(nb);
      let match = null;
      if (k !== null) {
        match = byKey.get(k) || null;
      } else {
        const here = a.childNodes[i];
        if (here && keyOf(here) === null && !used.has(here) && here.nodeName === nb.nodeName) match = here;
      }
      const node = match ? morph(match, nb, sent) : nb;
      used.add(node);
      if (a.childNodes[i] !== node) a.insertBefore(node, a.childNodes[i] || null);
    });
    while (a.childNodes.length > incoming.length) a.lastChild.remove();
  }

  // Makes a look like b, keeping a (and what it holds) where it can.
  function morph(a, b, sent) {
    if (a.nodeType !== b.nodeType || a.nodeName !== b.nodeName || (a.tagName === 'INPUT' && a.type !== b.type)) {
      a.replaceWith(b);
      return b;
    }
    if (a.nodeType !== 1) {
      if (a.nodeValue !== b.nodeValue) a.nodeValue = b.nodeValue;
      return a;
    }
    // What the server showed in the box before this answer.
    const before = a.tagName === 'INPUT' ? a.getAttribute('value') : null;
    syncAttributes(a, b);
    if (a.tagName === 'INPUT' || a.tagName === 'TEXTAREA') {
      syncBox(a, b, sent, before);
      return a;
    }
    morphChildren(a, b, sent);
    if (a.tagName === 'SELECT') syncSelect(a, b, sent);
    return a;
  }

  // A shell is a frame, grid or screen without the pieces it holds: its own
  // attributes and its own children (a legend, a grid's titles) change, the
  // pieces inside (marked data-c) are left to their own patches.
  function morphShell(a, b, sent) {
    syncAttributes(a, b);
    const own = (el) => Array.from(el.children).filter((c) => c.dataset.c === undefined);
    const mine = own(a);
    const theirs = own(b);
    theirs.forEach((nb, i) => {
      const na = mine[i];
      if (!na) {
        const firstPiece = Array.from(a.children).find((c) => c.dataset.c !== undefined);
        a.insertBefore(nb, firstPiece || null);
      } else if (nb.querySelector('[data-c]')) {
        morphShell(na, nb, sent);
      } else {
        morph(na, nb, sent);
      }
    });
    mine.slice(theirs.length).forEach((n) => n.remove());
  }

  function parse(html) {
    const t = document.createElement('template');
    t.innerHTML = html;
    return t.content.firstElementChild;
  }

  // A table body cannot stand alone in a template: parse it inside a table.
  function parseBody(html) {
    const t = document.createElement('template');
    t.innerHTML = '<table>' + html + '</table>';
    return t.content.querySelector('tbody');
  }

  window.meridianMorph = { morph, morphShell, snapshot, valueKey, cellKey, parse, parseBody };
})();
