// The masked date box in the browser: <input data-mask="__/__/____">.
// It shows the mask and fills its blanks as digits are typed, skipping the
// slashes; a "/", "-" or "." after a single digit of the day or month pads it
// with a nought, so 1/1/1950, 01-01-1950 and 01011950 all end as 01/01/1950.
// On leaving, the box holds a whole date or the untouched mask; anything else
// is refused with "Please specify Valid Date." and the focus stays. What is
// typed is read exactly as the server reads it (readDateBox in src/common/dates.cpp):
// tests/data/vtxt_cases.json is run against both.
//
// Loaded by a page it installs itself; loaded by Node it only exports the
// pure rules (and install, for tests with a stand-in document).
(function (root, factory) {
  'use strict';
  const api = factory();
  if (typeof module === 'object' && module.exports) module.exports = api;
  if (root && root.document) {
    root.meridianDateMask = api;
    api.install(root.document, root);
  }
})(typeof window !== 'undefined' ? window : globalThis, function () {
  'use strict';

  const MASK = '__/__/____';
  const INVALID = 'Please specify Valid Date.';
  const FOCUS_COLOUR = '#FFE0C0'; // as the validating boxes
  const NORMAL_COLOUR = '#FFFFFF';
  // Where the eight digits stand in "dd/mm/yyyy".
  const SLOTS = [0, 1, 3, 4, 6, 7, 8, 9];

  const isDigit = (c) => c >= '0' && c <= '9';
  const isSeparator = (c) => c === '/' || c === '-' || c === '.';

  function realDate(d, m, y) {
    if (y < 1000 || m < 1 || m > 12 || d < 1) return false;
    const leap = (y % 4 === 0 && y % 100 !== 0) || y % 400 === 0;
    const days = [31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31];
    return d <= days[m - 1];
  }

  const pad = (n, w) => String(n).padStart(w, '0');

  // What was typed, read as a date: { kind: 'empty' | 'date' | 'invalid', text }.
  function readDateEntry(typed) {
    const t = String(typed || '').replace(/ /g, '');
    let digits = false;
    let blanks = false;
    for (const c of t) {
      if (isDigit(c)) digits = true;
      else if (c === '_') blanks = true;
      else if (!isSeparator(c)) return { kind: 'invalid', text: typed };
    }
    // Only the mask's blanks and separators: the box was left empty.
    if (!digits) return { kind: 'empty', text: MASK };
    // A mask only partly filled in is not a date yet.
    if (blanks) return { kind: 'invalid', text: typed };
    const parts = t.split(/[-/.]/);
    let d;
    let m;
    let y;
    if (parts.length === 1 && parts[0].length === 8) {
      [d, m, y] = [parts[0].slice(0, 2), parts[0].slice(2, 4), parts[0].slice(4)].map(Number);
    } else if (parts.length === 3 && parts[0].length >= 1 && parts[0].length <= 2 && parts[1].length >= 1 &&
      parts[1].length <= 2 && parts[2].length === 4) {
      [d, m, y] = parts.map(Number);
    } else {
      return { kind: 'invalid', text: typed };
    }
    if (!realDate(d, m, y)) return { kind: 'invalid', text: typed };
    return { kind: 'date', text: pad(d, 2) + '/' + pad(m, 2) + '/' + pad(y, 4) };
  }

  // The eight digit places of a box's text ('_' where blank).
  function slotsOf(value) {
    const v = String(value || '');
    if (v.length === 10 && v[2] === '/' && v[5] === '/' && SLOTS.every((p) => v[p] === '_' || isDigit(v[p]))) {
      return SLOTS.map((p) => v[p]);
    }
    const r = readDateEntry(v);
    return r.kind === 'date' ? SLOTS.map((p) => r.text[p]) : SLOTS.map(() => '_');
  }

  function display(slots) {
    const out = MASK.split('');
    SLOTS.forEach((p, i) => { out[p] = slots[i]; });
    return out.join('');
  }

  const slotAtOrAfter = (pos) => SLOTS.findIndex((p) => p >= pos);
  const slotBefore = (pos) => {
    for (let i = SLOTS.length - 1; i >= 0; i--) if (SLOTS[i] < pos) return i;
    return -1;
  };
  // The caret never rests just before a slash.
  const stepOverSlash = (pos) => (pos === 2 || pos === 5 ? pos + 1 : pos);

  function clearRange(slots, start, end) {
    SLOTS.forEach((p, i) => { if (p >= start && p < end) slots[i] = '_'; });
  }

  // One key on the box: its text, the selection, the key ('0'-'9', '/', '-',
  // '.', ' ', 'Backspace', 'Delete'). Returns the new text and caret, or null
  // when the key does nothing.
  function editKey(value, selStart, selEnd, key) {
    const slots = slotsOf(value);
    const selected = selEnd > selStart;
    let caret = selStart;
    if (isDigit(key)) {
      if (selected) clearRange(slots, selStart, selEnd);
      // A click that leaves the caret inside an empty box, or past its last
      // digit place, does not lose what is typed: the date starts at the
      // first blank place, as it would after entering the box.
      const firstBlank = slots.indexOf('_');
      let i = slots.every((c) => c === '_') ? 0 : slotAtOrAfter(caret);
      if (i < 0) i = firstBlank;
      if (i < 0) return null;
      slots[i] = key;
      return { text: display(slots), caret: stepOverSlash(SLOTS[i] + 1) };
    }
    if (key === 'Backspace' || key === 'Delete') {
      if (selected) {
        clearRange(slots, selStart, selEnd);
        return { text: display(slots), caret: selStart };
      }
      const i = key === 'Backspace' ? slotBefore(caret) : slotAtOrAfter(caret);
      if (i < 0) return null;
      slots[i] = '_';
      return { text: display(slots), caret: key === 'Backspace' ? SLOTS[i] : caret };
    }
    if (isSeparator(key) || key === ' ') {
      if (selected) return null;
      // One digit of the day (or month) typed: it was the whole of it.
      for (const [first, next] of [[0, 3], [3, 6]]) {
        const i = SLOTS.indexOf(first);
        if (caret === first + 1 && isDigit(slots[i]) && slots[i + 1] === '_') {
          slots[i + 1] = slots[i];
          slots[i] = '0';
          return { text: display(slots), caret: next };
        }
        if (caret === first + 2) return { text: display(slots), caret: next };
      }
      return null;
    }
    return null;
  }

  // ---- The page ----

  const SELECTOR = 'input[data-mask]';

  function install(doc, win) {
    win = win || {};
    let messageFor = null;

    const isMasked = (el) => !!el && typeof el.matches === 'function' && el.matches(SELECTOR) && !el.readOnly;
    const modalOpen = () => !!(doc.body && doc.body.dataset && doc.body.dataset.modal);

    function prepare(el) {
      el.maxLength = MASK.length;
      const shown = display(slotsOf(el.value));
      // A stored text that is no date stays visible until the user retypes it.
      if (el.value === '' || readDateEntry(el.value).kind !== 'invalid') el.value = shown;
    }

    function prepareAll(scope) {
      if (scope && scope.querySelectorAll) scope.querySelectorAll(SELECTOR).forEach(prepare);
      if (scope && isMasked(scope)) prepare(scope);
    }

    // The refused date comes back selected: what is typed next replaces it.
    function show(el, text) {
      messageFor = el;
      const back = () => {
        el.focus();
        el.select();
        messageFor = null;
      };
      const shown = typeof win.meridianMessage === 'function' ? win.meridianMessage(text, 'information') : win.alert(text);
      if (shown && typeof shown.then === 'function') shown.then(back, back);
      else back();
    }

    function set(el, r) {
      el.value = r.text;
      if (typeof el.setSelectionRange === 'function') el.setSelectionRange(r.caret, r.caret);
      const Ev = win.Event;
      if (typeof Ev === 'function') el.dispatchEvent(new Ev('input', { bubbles: true }));
    }

    // The check on leaving: the box ends holding a date or the mask.
    function settled(el) {
      const r = readDateEntry(el.value);
      if (r.kind === 'invalid') return false;
      if (el.value !== r.text) el.value = r.text;
      return true;
    }

    doc.addEventListener('keydown', (e) => {
      const el = e.target;
      if (!isMasked(el) || e.isComposing || e.ctrlKey || e.metaKey || e.altKey) return;
      if (e.key === 'Tab' || e.key === 'Enter') {
        if (settled(el)) {
          // Enter moves on as in the validating boxes (web/static/vtxt.js, loaded first).
          if (e.key === 'Enter' && win.meridianVtxt) {
            e.preventDefault();
            win.meridianVtxt.focusNext(doc, el);
          }
          return;
        }
        e.preventDefault();
        show(el, INVALID);
        return;
      }
      if (e.key !== 'Backspace' && e.key !== 'Delete' && Array.from(e.key).length !== 1) return; // arrows, Home ...
      e.preventDefault();
      const r = editKey(el.value, el.selectionStart ?? 0, el.selectionEnd ?? 0, e.key);
      if (r) set(el, r);
    });

    // Pasted or dropped text is read as a whole date, or refused.
    doc.addEventListener('beforeinput', (e) => {
      const el = e.target;
      const type = e.inputType || '';
      if (!isMasked(el) || !/^(insert|delete)/.test(type)) return;
      e.preventDefault();
      if (!/^insertFrom/.test(type)) {
        // A phone's keyboard types through here: one character at a time.
        for (const c of Array.from(e.data || '')) {
          const r = editKey(el.value, el.selectionStart ?? 0, el.selectionEnd ?? 0, c);
          if (r) set(el, r);
        }
        return;
      }
      const data = e.data ?? (e.dataTransfer ? e.dataTransfer.getData('text/plain') : '');
      const r = readDateEntry(data);
      if (r.kind === 'date') set(el, { text: r.text, caret: r.text.length });
      else show(el, INVALID);
    });

    doc.addEventListener('focusin', (e) => {
      const el = e.target;
      if (!isMasked(el)) return;
      el.style.backgroundColor = FOCUS_COLOUR;
      if (messageFor !== el) el.select();
    });

    doc.addEventListener('focusout', (e) => {
      const el = e.target;
      if (!isMasked(el) || messageFor === el || modalOpen()) return;
      // The whole window losing the focus is not the user leaving the box.
      if (typeof doc.hasFocus === 'function' && !doc.hasFocus()) return;
      if (!settled(el)) {
        show(el, INVALID);
        return;
      }
      el.style.backgroundColor = NORMAL_COLOUR;
    });

    prepareAll(doc);
    doc.addEventListener('meridian:load', (e) => prepareAll(e.detail && e.detail.elt));
    if (doc.readyState === 'loading') doc.addEventListener('DOMContentLoaded', () => prepareAll(doc));
  }

  return { MASK, INVALID, readDateEntry, slotsOf, display, editKey, install };
});
