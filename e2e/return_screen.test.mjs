// The return screen of a demo client's A.Y. 2016-17: the forms the rules
// refuse are shown with their reasons and can not be chosen, the form a
// practitioner files is offered, and a salaried client's particulars typed
// in pass the checks before the e-return.
//
// The screen is opened as a clerk opens it: the client's year chosen on the
// dashboard, the form chosen in the workspace's `cborets`, then its e-file
// button `cmdefl`, which computes the year and opens frmitr2013 for an e-return.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, idle, messageText, openClientYear } from './helpers.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

const option = (index) => `#optsITRs1to4_${index}`;
const ITR1 = 0, ITR2 = 1, ITR3 = 2, ITR4S = 3, ITR4 = 4, ITR2A = 5;
const cell = (row, col) => `#vsBA input.cell[data-row="${row}"][data-col="${col}"]`;

async function openReturnScreen(page, client, form) {
  await openClientYear(page, client, '2016-17');
  await page.selectOption('#cborets', form);
  await idle(page);
  await page.click('#cmdefl');
  await page.waitForSelector('#form_frmitr2013');
  await idle(page);
}

async function checked(page) {
  const all = [];
  for (const i of [ITR1, ITR2, ITR3, ITR4S, ITR4, ITR2A]) if (await page.isChecked(option(i))) all.push(i);
  return all;
}

test('a salaried client with lottery winnings: ITR-1 and ITR-4S refused with the reason, ITR-2A offered', async () => {
  const page = await signIn(practice);
  await openReturnScreen(page, 'C0814', 'ITR-2A');
  const winnings = 'Income from "Winnings from Lottery/Horse Race" under the Head "Other Sources".';
  assert.deepEqual(await checked(page), [ITR2A]);
  assert.equal(await page.textContent('#lblform'), 'Return Form : ITR-2A');
  for (const refused of [ITR1, ITR4S]) assert.match(await page.getAttribute(option(refused), 'title'), /Winnings from Lottery/);
  for (const usable of [ITR2, ITR3, ITR4, ITR2A]) assert.equal(await page.getAttribute(option(usable), 'title'), null);
  assert.match(await page.textContent('#lblreasons'), /^ITR-1: /);

  // A click on the refused form tells why and keeps the form chosen before.
  await page.click(option(ITR1));
  const told = await messageText(page);
  assert.ok(told.startsWith('SAHAJ(ITR-1) can not be used :'), told);
  assert.ok(told.includes(winnings), told);
  await page.click('#dialogOK');
  await idle(page);
  assert.deepEqual(await checked(page), [ITR2A]);
  assert.equal(await page.textContent('#lblform'), 'Return Form : ITR-2A');
});

test('a salaried client: ITR-1 offered, the particulars typed in pass the checks', async () => {
  const page = await signIn(practice);
  await openReturnScreen(page, 'C0801', 'ITR-1');
  assert.deepEqual(await checked(page), [ITR1]);
  assert.equal(await page.textContent('#lblform'), 'Return Form : ITR-1');
  // Nothing in the year rules a form out.
  for (const i of [ITR1, ITR2, ITR3, ITR4S, ITR4, ITR2A]) assert.equal(await page.getAttribute(option(i), 'title'), null);

  // The demo keeps the section the year was filed under; with it taken
  // away the checks stop at the section.
  assert.equal(await page.$eval('#cbosection', (e) => e.options[e.selectedIndex].text), 'Before due date - 139(1)');
  await page.selectOption('#cbosection', { index: 0 });
  await idle(page);
  await page.click('#cmdproceed');
  assert.match(await messageText(page), /^Please specify section under which this return is being filed/);
  await page.click('#dialogOK');
  await idle(page);

  await page.selectOption('#cbosection', 'Before due date - 139(1)');
  await idle(page);
  await page.selectOption('#cborefm', 'Deposited directly into bank account');
  await idle(page);
  await page.click('#cmdaddbank');
  await idle(page);
  for (const text of ['KAVERI CO-OPERATIVE BANK', 'KCBL0000523', '50100023456712']) {
    await page.keyboard.type(text);
    await page.keyboard.press('Tab');
  }
  await idle(page);
  // The demo's own account stays first; the one typed comes after it.
  assert.equal(await page.inputValue(cell(0, 1)), 'DSEB0004417');
  assert.equal(await page.inputValue(cell(1, 1)), 'KCBL0000523');

  // The verification, typed as the client signs it.
  for (const [box, text] of [['#txtnm', 'RAMESH KUMAR IYER'], ['#txtfnm', 'KRISHNAN IYER'], ['#txtPAN', 'aghpi4521k'],
    ['#txtPlace', 'BENGALURU']]) {
    await page.click(box);
    await page.keyboard.press('Control+A');
    await page.keyboard.type(text);
    await page.keyboard.press('Tab');
    await idle(page);
  }

  await page.click('#cmdproceed');
  const result = await messageText(page);
  assert.ok(result.startsWith('All checks before the return have passed for ITR-1.'), result);
  await page.click('#dialogOK');
  await idle(page);
  assert.match(await page.textContent('#lblchecks'), /^All checks before the return have passed for ITR-1\./);
});
