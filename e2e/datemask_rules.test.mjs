// The masked date box's rules (web/static/datemask.js) without a browser:
// typed dates read as the server reads them (tests/data/vtxt_cases.json),
// and the mask filled key by key.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';

const require = createRequire(import.meta.url);
const mask = require('../web/static/datemask.js');
const cases = JSON.parse(readFileSync(new URL('../tests/data/vtxt_cases.json', import.meta.url), 'utf8'));

test('shared date entries', () => {
  for (const c of cases.dateEntries) {
    assert.deepEqual(mask.readDateEntry(c.typed), { kind: c.kind, text: c.text }, JSON.stringify(c.typed));
  }
});

// Types keys into a box holding `start` with the whole text selected (as a
// box is on entering it), then with the caret where each key left it.
function typeKeys(start, keys) {
  let text = start;
  let sel = [0, start.length];
  for (const k of keys) {
    const r = mask.editKey(text, sel[0], sel[1], k);
    if (r) {
      text = r.text;
      sel = [r.caret, r.caret];
    }
  }
  return { text, caret: sel[0] };
}

test('the mask fills as people type dates', () => {
  const rows = [
    ['digits fill the blanks and skip the slashes', '__/__/____', '01011950', '01/01/1950'],
    ['a slash after one digit pads the day and the month', '__/__/____', '1/1/1950', '01/01/1950'],
    ['dashes and points do the same', '__/__/____', '5-3.1949', '05/03/1949'],
    ['a slash where the mask has one is stepped over', '__/__/____', '01/04/2016', '01/04/2016'],
    ['typing over a whole date replaces it', '15/08/1947', '26011950', '26/01/1950'],
    ['Backspace clears the digit before the caret', '__/__/____', ['0', '1', '0', '4', 'Backspace', 'Backspace'], '01/__/____'],
    ['Backspace over a whole selection empties the box', '26/01/1950', ['Backspace'], '__/__/____'],
    ['letters and a ninth digit change nothing', '__/__/____', 'a01b0119509', '01/01/1950'],
    ['a slash with nothing typed is ignored', '__/__/____', '/', '__/__/____'],
  ];
  for (const [what, start, keys, expected] of rows) {
    assert.equal(typeKeys(start, Array.isArray(keys) ? keys : Array.from(keys)).text, expected, what);
  }
});

// Types keys with the caret put first where a click left it (no selection).
function typeAfterClick(start, caret, keys) {
  let text = start;
  for (const k of keys) {
    const r = mask.editKey(text, caret, caret, k);
    if (r) ({ text, caret } = r);
  }
  return text;
}

test('digits typed after a click land in the box wherever the click put the caret', () => {
  const rows = [
    ['past the end of an empty box', '__/__/____', 10, '01011950', '01/01/1950'],
    ['in the middle of an empty box', '__/__/____', 4, '01011950', '01/01/1950'],
    ['past the end of a box holding a day', '15/__/____', 10, '081947', '15/08/1947'],
    ['on the year of a whole date: that digit is typed over', '15/08/1947', 8, '5', '15/08/1957'],
    ['past the end of a whole date: nothing to fill', '15/08/1947', 10, '2', '15/08/1947'],
  ];
  for (const [what, start, caret, keys, expected] of rows) {
    assert.equal(typeAfterClick(start, caret, Array.from(keys)), expected, what);
  }
});

test('the caret rests after the last digit typed, never before a slash', () => {
  assert.equal(typeKeys('__/__/____', Array.from('01')).caret, 3);
  assert.equal(typeKeys('__/__/____', Array.from('0104')).caret, 6);
  assert.equal(typeKeys('__/__/____', Array.from('1/')).caret, 3);
  assert.equal(typeKeys('__/__/____', ['0', '1', 'Backspace']).caret, 1);
});

test('a box shows its mask, a stored date or a date typed another way', () => {
  assert.equal(mask.display(mask.slotsOf('')), '__/__/____');
  assert.equal(mask.display(mask.slotsOf('01/04/2016')), '01/04/2016');
  assert.equal(mask.display(mask.slotsOf('1-4-2016')), '01/04/2016');
  assert.equal(mask.display(mask.slotsOf('01/0_/____')), '01/0_/____');
});
