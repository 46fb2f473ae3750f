// The masked date box as people type dates into it: the usual ways of
// writing a date are taken and shown dd/mm/yyyy, others are refused with the
// box's message; a date is never dropped without a word.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, meridian, idle, messageText, shown } from './helpers.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

const DOB = '#txtfields37';

async function openEstimator(page) {
  await page.click('#openEstimator');
  await page.waitForSelector(DOB);
  await idle(page);
}

test('dates typed the usual ways are taken and shown dd/mm/yyyy', async () => {
  const page = await signIn(practice);
  await openEstimator(page);
  assert.equal(await page.inputValue(DOB), '__/__/____', 'an empty box shows its mask');
  const cases = [
    ['1/1/1950', '01/01/1950'],
    ['01-01-1950', '01/01/1950'],
    ['01011950', '01/01/1950'],
    ['5.3.1949', '05/03/1949'],
    ['29/2/1952', '29/02/1952'],
  ];
  for (const [typed, expected] of cases) {
    await page.click(DOB); // the whole date is selected: typing replaces it
    await page.keyboard.type(typed);
    await page.keyboard.press('Tab');
    await idle(page);
    assert.equal(await page.inputValue(DOB), expected, typed);
  }
  // Enter takes the date and moves on, as in the other boxes.
  await page.click(DOB);
  await page.keyboard.type('2/2/1960');
  await page.keyboard.press('Enter');
  await idle(page);
  assert.equal(await page.inputValue(DOB), '02/02/1960');
  assert.notEqual(await page.evaluate(() => document.activeElement.id), 'txtfields37');
});

test('a date that is not one is refused and the focus stays', async () => {
  const page = await signIn(practice);
  await openEstimator(page);
  await page.click(DOB);
  for (const [typed, left] of [['31/02/1950', '31/02/1950'], ['1/1/50', '01/01/50__'], ['0101195', '01/01/195_']]) {
    // After a refusal the date is selected again: typing replaces it.
    await page.keyboard.type(typed);
    await page.keyboard.press('Tab');
    assert.equal(await messageText(page), 'Please specify Valid Date.', typed);
    assert.equal(await page.getAttribute('#dialog', 'data-icon'), 'information');
    await page.keyboard.press('Enter');
    await idle(page);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'txtfields37', typed);
    assert.equal(await page.inputValue(DOB), left, typed);
  }
  // Emptied again with Backspace, the box may be left.
  await page.keyboard.press('Control+A');
  await page.keyboard.press('Backspace');
  await page.keyboard.press('Tab');
  await idle(page);
  assert.equal(await page.inputValue(DOB), '__/__/____');
  assert.equal(await page.isVisible('#dialog'), false);
});

test('a date of birth typed in the box makes a senior citizen', async () => {
  const page = await signIn(practice);
  await openEstimator(page);
  await page.click('#txtfields0');
  await page.keyboard.type('600000');
  await page.keyboard.press('Tab');
  await page.click(DOB);
  await page.keyboard.type('1/1/1950');
  await page.keyboard.press('Tab');
  await idle(page);
  const senior = JSON.parse(meridian(['estimate', '--json'], practice.dataDir,
    JSON.stringify({ ay: '2017-18', status: 'Individual', salary: 600000, dob: '01/01/1950' })));
  const younger = JSON.parse(meridian(['estimate', '--json'], practice.dataDir,
    JSON.stringify({ ay: '2017-18', status: 'Individual', salary: 600000 })));
  assert.notEqual(senior.total_tax, younger.total_tax);
  await page.waitForFunction((v) => document.getElementById('txtfields28').value === v, shown(senior.total_tax));
});
