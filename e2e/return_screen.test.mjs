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
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { startPractice, signIn, idle, messageText, openClientYear, meridian } from './helpers.mjs';
import { typeSalariedParticulars, messagePastNotes } from './return_screen_steps.mjs';

let practice;
before(async () => {
  practice = await startPractice();
  // The year's e-filing credentials (made up), which the digest needs.
  meridian(['credentials', 'set', '--ay', '2016-17', '--si', 'SW12345678', '--ic', '0003', '--key', 'A1b2C3d4E5f6G7h'],
    practice.dataDir);
});
after(async () => { await practice.stop(); });

const option = (index) => `#optsITRs1to4_${index}`;
const ITR1 = 0, ITR2 = 1, ITR3 = 2, ITR4S = 3, ITR4 = 4, ITR2A = 5;

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

  await typeSalariedParticulars(page);

  // Past the checks the e-return is produced and filed; the upload is declined.
  await page.click('#cmdproceed');
  assert.match(await messagePastNotes(page, messageText), /^e-File Saved to File ".*\/C0801\/2016\/\d{14}_[A-Z]{5}\d{4}[A-Z]_ITR1_2016\.xml"\./);
  await page.click('#dialogNo');
  await idle(page);
  assert.match(await page.textContent('#lblchecks'), /^All checks before the return have passed for ITR-1\./);
});

// The landline is the client master's, not this screen's: its refusal says
// where to mend it, and the focus goes to Close, a control this screen
// shows, so Enter leaves for General Information.
test('a landline the client master keeps wrong: the message says where to mend it, Close takes the focus', async () => {
  execFileSync('sqlite3', [join(practice.dataDir, 'meridian.db'),
    "UPDATE owner1 SET phone1 = '080-2345678' WHERE code = 'C0802'"]);
  const page = await signIn(practice);
  await openReturnScreen(page, 'C0802', 'ITR-1');
  await page.click('#cmdproceed');
  assert.equal(await messageText(page),
    'Invalid STD Code + Landline No. in [080-2345678] (Length should be exactly 10).\r\n\r\n'
    + "Please correct the 'Telephone' in General Information of the client, then open this screen again.");
  await page.keyboard.press('Enter');
  await idle(page);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'cmdclose');
  assert.ok(await page.isVisible('#cmdclose'), 'the focus is on a control the user sees');
  assert.match(await page.textContent('#lblchecks'), /^Stopped: Invalid STD Code/);
  await page.keyboard.press('Enter');
  await page.waitForSelector('#form_frmitr2013', { state: 'detached' });
});

// From A.Y. 2015-16 the form lists the bank accounts, the default one first,
// refund or none: with the only account removed (chosen by a click on its
// row), the checks stop at the bank details and the grid takes the focus.
test('the only bank account removed: the checks stop, the bank grid takes the focus', async () => {
  const page = await signIn(practice);
  await openReturnScreen(page, 'C0806', 'ITR-1');
  const firstCell = '#vsBA input.cell[data-row="0"][data-col="0"]';
  assert.equal(await page.locator('#vsBA input.cell[data-col="0"]').count(), 1);
  await page.click(firstCell);
  await idle(page);
  await page.click('#cmddelbank');
  await idle(page);
  assert.equal(await page.locator('#vsBA input.cell[data-col="0"]').count(), 0);
  await page.click('#cmdproceed');
  assert.equal(await messageText(page),
    "'Bank Account Details' are mandatory.\r\n\r\n"
    + 'From A.Y. 2015-16, Please provide the details of all the savings and current accounts held by you at any time '
    + 'during the previous year.');
  await page.keyboard.press('Enter');
  await idle(page);
  assert.equal(await page.evaluate(() => document.activeElement.closest('#vsBA') !== null), true);
  assert.match(await page.textContent('#lblchecks'), /^Stopped: 'Bank Account Details' are mandatory\./);
});
