// The validating text box in the browser. Every
// <input data-vtxt-class="…" data-max-length="…" data-min-length="…"
//        data-include="…" data-exclude="…">
// filters keys as they are typed, checks its text when the user leaves it,
// shows the same messages as the server (src/ui/field_rules.cpp) and
// colours itself while it has the focus. The rules below repeat the C++ ones
// line for line; tests/data/vtxt_cases.json is run against both, so a change
// to one that is not made to the other fails a test.
//
// Loaded by a page it installs itself; loaded by Node it only exports the
// pure rules (and install, for tests with a stand-in document).
(function (root, factory) {
  'use strict';
  const api = factory();
  if (typeof module === 'object' && module.exports) module.exports = api;
  if (root && root.document) {
    root.meridianVtxt = api;
    api.install(root.document, root);
  }
})(typeof window !== 'undefined' ? window : globalThis, function () {
  'use strict';

  const FOCUS_COLOUR = '#FFE0C0'; // light orange, C0E0FF in blue-green-red order
  const NORMAL_COLOUR = '#FFFFFF';
  // Include and Exclude were fixed-size lists on the desktop: characters past
  // the 51st never took part.
  const LISTED_CHARACTERS = 51;
  const NAMED_KEYS = new Set(['Backspace', 'Escape', 'Tab', 'Enter']);

  const chars = (s) => Array.from(s || '');
  const isDigit = (c) => c >= '0' && c <= '9';
  const isUpperLetter = (c) => c.length === 1 && c >= 'A' && c <= 'Z';
  const isDateSeparator = (c) => c === '/' || c === '-' || c === '.';
  const upper = (c) => (c.length === 1 && c >= 'a' && c <= 'z' ? c.toUpperCase() : c);

  // Only blanks are trimmed: the desktop's trim left tabs alone.
  function trimBlanks(s) {
    return s.replace(/^ +/, '').replace(/ +$/, '');
  }

  function listed(list, c) {
    return chars(list).slice(0, LISTED_CHARACTERS).includes(c);
  }

  // Leading digits read as a number, 0 when there are none.
  function leadingNumber(cs) {
    let n = 0;
    for (const c of cs) {
      if (!isDigit(c)) break;
      n = n * 10 + (c.charCodeAt(0) - 48);
    }
    return n;
  }

  function normalizeProps(p) {
    p = p || {};
    const cls = Number.isInteger(p.class) && p.class >= 0 && p.class <= 6 ? p.class : 0;
    return {
      class: cls,
      maxLength: Number.isInteger(p.maxLength) ? p.maxLength : 50,
      minLength: Number.isInteger(p.minLength) ? p.minLength : 0,
      include: p.include || '',
      exclude: p.exclude || '',
    };
  }

  function boxLimit(cls) {
    return cls === 1 ? 12 : cls === 4 ? 15 : null;
  }

  function rightAligned(cls) {
    return cls === 1 || cls === 4;
  }

  // Returns the message for a refused key, '' for a silent drop, null when
  // the class lets the key through.
  function classRule(cls, trimmed, k) {
    switch (cls) {
      case 1:
        return k === '+' || k === '-' || isDigit(k) ? null : 'Enter Numeric value';
      case 2:
        return k === ' ' || isUpperLetter(k) ? null : 'Enter Alphabets only';
      case 3:
        return isUpperLetter(k) || isDigit(k) ? null : 'Enter AlphaNumeric Characters Only';
      case 4: {
        if (k === '+' || k === '-') return null;
        // ".34" already typed: one more decimal is still let in (the desktop
        // counted the point), anything after that is dropped without a word.
        const point = trimmed.indexOf('.');
        if (point >= 0 && trimmed.length - point > 3) return '';
        return isDigit(k) || k === '.' ? null : 'Enter Numeric value';
      }
      case 5:
      case 6:
        return isDigit(k) || isDateSeparator(k) ? null : 'Invalid Data';
      default:
        return null;
    }
  }

  // One key press. key is one character, or Backspace, Escape, Tab, Enter.
  function filterKey(props, text, key) {
    const p = normalizeProps(props);
    const k = upper(key);
    const r = { accepted: false, key: k, message: null, nextControl: false, raiseKeyPress: false };
    if (k === 'Backspace' || k === 'Escape') {
      r.accepted = true;
      return r;
    }
    if (k === 'Tab') {
      r.message = checkText(p, text);
      r.accepted = r.message === null;
      r.nextControl = r.accepted;
      return r;
    }
    if (k === 'Enter') {
      r.accepted = r.nextControl = r.raiseKeyPress = true;
      return r;
    }
    const all = chars(text);
    const trimmed = chars(trimBlanks(text));
    if (!listed(p.include, k)) {
      if (listed(p.exclude, k)) {
        r.message = 'InValid Data';
        return r;
      }
      const refusal = classRule(p.class, trimmed, k);
      if (refusal !== null) {
        r.message = refusal || null;
        return r;
      }
      // "Longer than", not "as long as": the box keeps taking keys until its
      // trimmed text is one past MaxLength, as the desktop box did.
      if (trimmed.length > Math.max(p.maxLength, 0)) return r;
    }
    // The inner box's own limit stops a key after the filter let it through.
    const limit = boxLimit(p.class);
    if (limit !== null && all.length >= limit) return r;
    r.accepted = r.raiseKeyPress = true;
    return r;
  }

  // The text after a filtered key with the caret at the end.
  function applyKey(text, r) {
    if (!r.accepted) return text;
    if (r.key === 'Backspace') return chars(text).slice(0, -1).join('');
    if (NAMED_KEYS.has(r.key)) return text;
    return text + r.key;
  }

  function daysInMonth(year, month) {
    const leap = (year % 4 === 0 && year % 100 !== 0) || year % 400 === 0;
    return [31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31][month - 1];
  }

  // What passes as a date, day first: see isDate in field_rules.cpp.
  function isDate(text) {
    const t = trimBlanks(text);
    if (!/^[0-9]*([-/.][0-9]*){2}$/.test(t)) return false;
    const [d, m, y] = t.split(/[-/.]/);
    if (d.length < 1 || d.length > 2 || m.length < 1 || m.length > 2) return false;
    if (y.length !== 2 && y.length !== 4) return false;
    let year = leadingNumber(y);
    if (y.length === 2) year += year < 30 ? 2000 : 1900;
    const month = leadingNumber(m);
    const day = leadingNumber(d);
    if (year < 100 || month < 1 || month > 12) return false;
    return day >= 1 && day <= daysInMonth(year, month);
  }

  // Check_M: the message of the first rule the text breaks, or null.
  function checkText(props, text) {
    const p = normalizeProps(props);
    const t = chars(trimBlanks(text));
    if (t.length === 0) return null;
    if (p.minLength > 0 && t.length < p.minLength) {
      return 'Data must be at least of ' + p.minLength + ' characters';
    }
    if (p.class !== 5 && p.class !== 6) return null;
    const longForm = p.class === 5;
    if (!isDate(t.join(''))) return 'Not a valid date';
    // A day-first date has its month at the fourth and fifth characters.
    if (leadingNumber(t.slice(3, 5)) > 12) return 'Not a valid date';
    if (t.length !== (longForm ? 10 : 8)) {
      return longForm ? 'Date Format must be dd-mm-yyyy' : 'Date Format dd-mm-yy';
    }
    if (!isDateSeparator(t[2]) || !isDateSeparator(t[5])) {
      return longForm ? 'Date Format must be dd-mm-yyyy' : 'Date Format must be dd-mm-yy';
    }
    return null;
  }

  // Class 4 on leaving: 1234.5 -> 1234.50, in decimal digits throughout
  // (never through a binary fraction); half a paisa rounds away from zero.
  function amountWithTwoDecimals(text) {
    const m = /^([+-]?)([0-9]*)(?:\.([0-9]*))?$/.exec(trimBlanks(text));
    if (!m || (m[2] === '' && (m[3] || '') === '')) return text;
    const negative = m[1] === '-';
    const fraction = (m[3] || '').padEnd(3, '0');
    const digits = chars((m[2] || '0') + fraction.slice(0, 2));
    if (fraction[2] >= '5') {
      let j = digits.length;
      while (j > 0 && digits[j - 1] === '9') digits[--j] = '0';
      if (j === 0) digits.unshift('1');
      else digits[j - 1] = String.fromCharCode(digits[j - 1].charCodeAt(0) + 1);
    }
    const intPart = digits.slice(0, -2).join('').replace(/^0+(?=.)/, '');
    let out = intPart + '.' + digits.slice(-2).join('');
    // A negative amount that rounds to nothing is shown as plain 0.00.
    if (negative && /[1-9]/.test(out)) out = '-' + out;
    return out;
  }

  // Leaving the box: Check_M, then the class 4 rewrite when it passed.
  function leaveBox(props, text) {
    const p = normalizeProps(props);
    const message = checkText(p, text);
    if (message !== null) return { accepted: false, text, message };
    return { accepted: true, text: p.class === 4 ? amountWithTwoDecimals(text) : text, message: null };
  }

  // A whole text run through the filter key by key, then checked as on
  // leaving: what the server does when a screen saves, and what a paste gets.
  function validateWholeText(props, text) {
    let typed = '';
    const cs = chars(text);
    for (let i = 0; i < cs.length; i++) {
      // A control character cannot sit in a one-line box.
      if (cs[i] < ' ') return { accepted: false, text: typed, message: null, refusedAt: i };
      const r = filterKey(props, typed, cs[i]);
      if (!r.accepted) return { accepted: false, text: typed, message: r.message, refusedAt: i };
      typed = applyKey(typed, r);
    }
    const left = leaveBox(props, typed);
    return { accepted: left.accepted, text: left.text, message: left.message, refusedAt: null };
  }

  // ---- The page ----

  // Enter moves on to the next control of the form, as Tab would.
  function focusNext(doc, el) {
    const scope = (el.closest && el.closest('form')) || doc;
    const all = Array.from(scope.querySelectorAll('input, select, textarea, button, a[href], [tabindex]')).filter(
      (x) => x === el || (!x.disabled && x.tabIndex >= 0 && x.type !== 'hidden' && x.offsetParent !== null),
    );
    const next = all[(all.indexOf(el) + 1) % all.length];
    if (next && next !== el) next.focus();
  }

  const SELECTOR = 'input[data-vtxt-class]';

  function propsOf(el) {
    const num = (v, d) => {
      const n = parseInt(v, 10);
      return Number.isFinite(n) ? n : d;
    };
    const maxLength = num(el.dataset.maxLength, 50);
    return normalizeProps({
      class: num(el.dataset.vtxtClass, 0),
      maxLength: maxLength > 0 ? maxLength : 50, // a box that stores none gets the default
      minLength: num(el.dataset.minLength, 0),
      include: el.dataset.include || '',
      exclude: el.dataset.exclude || '',
    });
  }

  function install(doc, win) {
    win = win || {};
    // The box whose message is on screen: its blur while the message shows
    // must not raise the message again, and the focus coming back to it must
    // not select its text (the user goes on typing where they were).
    let messageFor = null;

    // Run again whenever the page updates a box: the server's markup does
    // not carry what the class fixes here.
    function prepare(el) {
      const cls = propsOf(el).class;
      if (boxLimit(cls) !== null) el.maxLength = boxLimit(cls);
      if (rightAligned(cls)) el.style.textAlign = 'right';
    }

    function prepareAll(scope) {
      if (scope && scope.querySelectorAll) scope.querySelectorAll(SELECTOR).forEach(prepare);
      if (scope && typeof scope.matches === 'function' && scope.matches(SELECTOR)) prepare(scope);
    }

    // A read-only box (a figure the screen works out) takes no keys.
    function isVtxt(el) {
      return !!el && typeof el.matches === 'function' && el.matches(SELECTOR) && !el.readOnly;
    }

    // A message box of the screen is open: the focus went to it, the user did
    // not leave the box.
    const modalOpen = () => !!(doc.body && doc.body.dataset && doc.body.dataset.modal);

    function show(el, text) {
      messageFor = el;
      const back = () => {
        el.focus();
        messageFor = null;
      };
      let shown;
      try {
        shown = typeof win.meridianMessage === 'function' ? win.meridianMessage(text) : win.alert(text);
      } catch (e) {
        back();
        throw e;
      }
      if (shown && typeof shown.then === 'function') shown.then(back, back);
      else back();
    }

    function raise(el, name, detail) {
      const Ev = win.CustomEvent;
      if (typeof Ev === 'function') el.dispatchEvent(new Ev(name, { bubbles: true, detail }));
    }

    function insert(el, text) {
      const start = el.selectionStart ?? el.value.length;
      const end = el.selectionEnd ?? start;
      el.setRangeText(text, start, end, 'end');
      const Ev = win.Event;
      if (typeof Ev === 'function') el.dispatchEvent(new Ev('input', { bubbles: true }));
    }

    // The text as it stands once a selection is typed over: a key that
    // replaces the selected text is judged against what remains.
    function withoutSelection(el) {
      const start = el.selectionStart;
      const end = el.selectionEnd;
      if (typeof start !== 'number' || typeof end !== 'number' || start === end) return el.value;
      return el.value.slice(0, start) + el.value.slice(end);
    }

    doc.addEventListener('keydown', (e) => {
      const el = e.target;
      if (!isVtxt(el) || e.isComposing || e.ctrlKey || e.metaKey || e.altKey) return;
      const key = e.key;
      if (key === 'Backspace' || key === 'Escape') return; // pass unchecked
      if (key === 'Enter') {
        // Enter is passed on to the form and then acts as a Tab typed into
        // the box: through the check, and on to the next control.
        e.preventDefault();
        raise(el, 'vtxt:keypress', { key: 13 });
        const r = filterKey(propsOf(el), el.value, 'Tab');
        if (r.accepted) focusNext(doc, el);
        else show(el, r.message);
        return;
      }
      if (key === 'Tab') {
        // An acceptable text lets the browser move the focus by itself.
        const r = filterKey(propsOf(el), el.value, key);
        if (!r.accepted) {
          e.preventDefault();
          show(el, r.message);
        }
        return;
      }
      if (chars(key).length !== 1) return; // arrows, Home, F-keys: not characters
      e.preventDefault();
      const r = filterKey(propsOf(el), withoutSelection(el), key);
      if (r.accepted) {
        insert(el, r.key);
        raise(el, 'vtxt:keypress', { key: r.key.codePointAt(0) });
      } else if (r.message) {
        show(el, r.message);
      }
    });

    // Text that does not come from a key press we saw: paste, drop, a phone's
    // keyboard. All of it passes the filter key by key or none of it goes in.
    doc.addEventListener('beforeinput', (e) => {
      const el = e.target;
      const type = e.inputType || '';
      if (!isVtxt(el) || !/^insert/.test(type) || type === 'insertCompositionText') return;
      const data = e.data ?? (e.dataTransfer ? e.dataTransfer.getData('text/plain') : '');
      if (!data) return;
      e.preventDefault();
      const props = propsOf(el);
      let text = withoutSelection(el);
      let out = '';
      for (const c of chars(data)) {
        const r = c < ' ' ? { accepted: false, message: null } : filterKey(props, text, c);
        if (!r.accepted) {
          if (r.message) show(el, r.message);
          return;
        }
        text = applyKey(text, r);
        out += r.key;
      }
      insert(el, out);
    });

    doc.addEventListener('focusin', (e) => {
      const el = e.target;
      if (!isVtxt(el)) return;
      prepare(el);
      el.style.backgroundColor = FOCUS_COLOUR;
      if (messageFor !== el) el.select();
    });

    doc.addEventListener('focusout', (e) => {
      const el = e.target;
      if (!isVtxt(el) || messageFor === el || modalOpen()) return;
      // The whole window losing the focus is not the user leaving the box.
      if (typeof doc.hasFocus === 'function' && !doc.hasFocus()) return;
      const r = leaveBox(propsOf(el), el.value);
      if (!r.accepted) {
        show(el, r.message);
        return;
      }
      if (r.text !== el.value) {
        el.value = r.text;
        const Ev = win.Event;
        if (typeof Ev === 'function') el.dispatchEvent(new Ev('change', { bubbles: true }));
      }
      el.style.backgroundColor = NORMAL_COLOUR;
    });

    prepareAll(doc);
    // Screens and pieces of screens the page puts in later carry boxes of their own.
    doc.addEventListener('meridian:load', (e) => prepareAll(e.detail && e.detail.elt));
    if (doc.readyState === 'loading') doc.addEventListener('DOMContentLoaded', () => prepareAll(doc));
  }

  return {
    FOCUS_COLOUR,
    NORMAL_COLOUR,
    normalizeProps,
    boxLimit,
    rightAligned,
    filterKey,
    applyKey,
    checkText,
    isDate,
    amountWithTwoDecimals,
    leaveBox,
    validateWholeText,
    propsOf,
    focusNext,
    install,
  };
});
