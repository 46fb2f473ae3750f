// The page's validating text box (web/static/vtxt.js) against the cases the
// C++ rules are tested with (tests/data/vtxt_cases.json), and its wiring to
// the page's events, with a stand-in document: no browser needed.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';

const require = createRequire(import.meta.url);
const vtxt = require('../web/static/vtxt.js');
const cases = JSON.parse(readFileSync(new URL('../tests/data/vtxt_cases.json', import.meta.url), 'utf8'));

test('shared typing cases', () => {
  for (const c of cases.typing) {
    let text = c.text;
    const accepted = [];
    const messages = [];
    let nextControl = false;
    for (const key of c.keys) {
      if (key === 'Leave') {
        const r = vtxt.leaveBox(c.props, text);
        accepted.push(r.accepted);
        if (r.message !== null) messages.push(r.message);
        text = r.text;
        nextControl = false;
        continue;
      }
      const r = vtxt.filterKey(c.props, text, key);
      accepted.push(r.accepted);
      if (r.message !== null) messages.push(r.message);
      text = vtxt.applyKey(text, r);
      nextControl = r.nextControl;
    }
    assert.deepEqual(accepted, c.expect.accepted, c.name);
    assert.equal(text, c.expect.text, c.name);
    assert.deepEqual(messages, c.expect.messages, c.name);
    if ('nextControl' in c.expect) assert.equal(nextControl, c.expect.nextControl, c.name);
  }
});

test('shared whole-text cases', () => {
  for (const c of cases.wholeText) {
    const r = vtxt.validateWholeText(c.props, c.text);
    assert.equal(r.accepted, c.expect.accepted, c.name);
    assert.equal(r.text, c.expect.text, c.name);
    assert.equal(r.message, c.expect.message, c.name);
  }
});

test('shared dates, amounts and colours', () => {
  for (const c of cases.dates) assert.equal(vtxt.isDate(c.text), c.isDate, c.text);
  for (const c of cases.amounts) assert.equal(vtxt.amountWithTwoDecimals(c.text), c.result, c.text);
  assert.equal(vtxt.FOCUS_COLOUR, cases.colours.focus);
  assert.equal(vtxt.NORMAL_COLOUR, cases.colours.normal);
});

// ---- Wiring, with just enough of a document to carry the events ----

class Box {
  constructor(doc, data) {
    Object.assign(this, { doc, dataset: { ...data }, value: '', style: {}, tabIndex: 0, type: 'text' });
    Object.assign(this, { offsetParent: {}, maxLength: -1, fired: [], selectionStart: 0, selectionEnd: 0 });
  }
  matches(sel) { return sel === 'input[data-vtxt-class]' && 'vtxtClass' in this.dataset; }
  closest() { return null; }
  focus() { this.doc.moveFocus(this); }
  select() { [this.selectionStart, this.selectionEnd] = [0, this.value.length]; }
  dispatchEvent(ev) { this.fired.push(ev); }
  setRangeText(t, start, end) {
    this.value = this.value.slice(0, start) + t + this.value.slice(end);
    this.selectionStart = this.selectionEnd = start + t.length;
  }
  type_(text) {
    this.value = text;
    this.selectionStart = this.selectionEnd = text.length;
  }
}

class Page {
  constructor(boxes) {
    this.listeners = {};
    this.active = null;
    this.readyState = 'complete';
    this.messages = [];
    this.boxes = boxes.map((d) => new Box(this, d));
    const messages = this.messages;
    this.win = { meridianMessage: (t) => messages.push(t), Event, CustomEvent };
    vtxt.install(this, this.win);
  }
  addEventListener(type, f) { (this.listeners[type] ||= []).push(f); }
  querySelectorAll(sel) {
    return sel === 'input[data-vtxt-class]' ? this.boxes.filter((b) => b.matches(sel)) : this.boxes;
  }
  hasFocus() { return true; }
  fire(type, target, extra = {}) {
    const ev = { type, target, defaultPrevented: false, preventDefault() { this.defaultPrevented = true; }, ...extra };
    for (const f of this.listeners[type] || []) f(ev);
    return ev;
  }
  moveFocus(to) {
    if (this.active === to) return;
    const from = this.active;
    this.active = to;
    if (from) this.fire('focusout', from);
    if (this.active === to) this.fire('focusin', to);
  }
  key(box, key, mods = {}) { return this.fire('keydown', box, { key, ...mods }); }
}

test('boxes are prepared by class when the page loads', () => {
  const page = new Page([{ vtxtClass: '1' }, { vtxtClass: '4' }, { vtxtClass: '2' }]);
  const [whole, amount, letters] = page.boxes;
  assert.equal(whole.maxLength, 12);
  assert.equal(whole.style.textAlign, 'right');
  assert.equal(amount.maxLength, 15);
  assert.equal(letters.maxLength, -1);
  assert.equal(letters.style.textAlign, undefined);
});

test('keys are filtered, upper-cased and refused with the message', () => {
  const page = new Page([{ vtxtClass: '1' }, { vtxtClass: '0', exclude: '@' }]);
  const [num, free] = page.boxes;
  num.focus();
  assert.equal(num.style.backgroundColor, '#FFE0C0');
  for (const k of ['-', '1', '.', '2']) page.key(num, k);
  assert.equal(num.value, '-12');
  assert.deepEqual(page.messages, ['Enter Numeric value']);
  assert.ok(num.fired.some((e) => e.type === 'vtxt:keypress' && e.detail.key === '2'.codePointAt(0)));

  free.focus();
  page.key(free, 'a');
  page.key(free, '@');
  const arrow = page.key(free, 'ArrowLeft');
  const copy = page.key(free, 'c', { ctrlKey: true });
  assert.equal(free.value, 'A');
  assert.deepEqual(page.messages, ['Enter Numeric value', 'InValid Data']);
  assert.equal(arrow.defaultPrevented, false, 'keys that are not characters keep their use');
  assert.equal(copy.defaultPrevented, false, 'shortcuts keep their use');
});

test('Tab and Enter check the text before the focus moves on', () => {
  const page = new Page([{ vtxtClass: '0', minLength: '10' }, { vtxtClass: '2' }]);
  const [code, name] = page.boxes;
  code.focus();
  code.type_('ABCDEFGHI');
  const tab = page.key(code, 'Tab');
  assert.equal(tab.defaultPrevented, true);
  assert.equal(page.active, code);
  page.key(code, 'Enter');
  assert.equal(page.active, code);
  assert.deepEqual(page.messages, ['Data must be at least of 10 characters', 'Data must be at least of 10 characters']);
  assert.ok(code.fired.some((e) => e.type === 'vtxt:keypress' && e.detail.key === 13), 'the form hears Enter');

  code.type_('ABCDEFGHIJ');
  page.key(code, 'Enter');
  assert.equal(page.active, name, 'Enter moves to the next control');
  assert.equal(code.style.backgroundColor, '#FFFFFF');
  assert.equal(page.messages.length, 2);
});

test('leaving rewrites an amount, or brings the focus back', () => {
  const page = new Page([{ vtxtClass: '4' }, { vtxtClass: '6' }, { vtxtClass: '0' }]);
  const [amount, date, other] = page.boxes;
  amount.focus();
  amount.type_('1234.5');
  other.focus();
  assert.equal(amount.value, '1234.50');
  assert.ok(amount.fired.some((e) => e.type === 'change'));

  date.focus();
  date.type_('12-31-16');
  date.selectionStart = date.selectionEnd = 3;
  other.focus();
  assert.equal(page.active, date, 'a refused text keeps the focus');
  assert.deepEqual(page.messages, ['Not a valid date']);
  assert.equal(date.selectionStart, 3, 'coming back from a message does not select the text');
  assert.equal(date.style.backgroundColor, '#FFE0C0');
});

test('pasted text passes the filter whole or not at all', () => {
  const page = new Page([{ vtxtClass: '3' }]);
  const [box] = page.boxes;
  box.focus();
  const good = page.fire('beforeinput', box, { inputType: 'insertFromPaste', data: 'ab12' });
  assert.equal(good.defaultPrevented, true);
  assert.equal(box.value, 'AB12');
  page.fire('beforeinput', box, { inputType: 'insertFromPaste', data: 'cd-9' });
  assert.equal(box.value, 'AB12');
  assert.deepEqual(page.messages, ['Enter AlphaNumeric Characters Only']);
});

test('messages fall back to alert without the page function', () => {
  const page = new Page([{ vtxtClass: '2' }]);
  const alerts = [];
  delete page.win.meridianMessage;
  page.win.alert = (t) => alerts.push(t);
  page.boxes[0].focus();
  page.key(page.boxes[0], '7');
  assert.deepEqual(alerts, ['Enter Alphabets only']);
});
