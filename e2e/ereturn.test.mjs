// The e-return of a salaried demo client made from the return screen, as a
// clerk makes it: the year opened from the dashboard, the return screen by
// the workspace's e-file button, ITR-1 chosen, the particulars typed in, the
// file produced and filed under the client's folder; the upload question
// answered Yes, the plain answer that there is no connection to the portal,
// and the filing made there recorded, which the workspace's register shows.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync, readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { execFileSync } from 'node:child_process';
import { startPractice, signIn, idle, messageText, openClientYear, meridian } from './helpers.mjs';
import { typeSalariedParticulars, messagePastNotes } from './return_screen_steps.mjs';

const bin = process.env.MERIDIAN_BIN || new URL('../build/src/meridian', import.meta.url).pathname;
let practice;
before(async () => {
  practice = await startPractice();
  // The credentials the department assigns for the year (made up here), and
  // the right to upload returns.
  meridian(['credentials', 'set', '--ay', '2016-17', '--si', 'SW12345678', '--ic', '0003', '--key', 'A1b2C3d4E5f6G7h'],
    practice.dataDir);
  meridian(['user', 'grant', 'clerk', '199'], practice.dataDir);
});
after(async () => { await practice.stop(); });

test('ITR-1 of a salaried client: produced, filed, no portal connection, the filing recorded', async () => {
  const page = await signIn(practice);
  await openClientYear(page, 'C0801', '2016-17');
  await page.selectOption('#cborets', 'ITR-1');
  await idle(page);
  await page.click('#cmdefl');
  await page.waitForSelector('#form_frmitr2013');
  await idle(page);
  await page.click('#optsITRs1to4_0');
  await idle(page);
  assert.equal(await page.textContent('#lblform'), 'Return Form : ITR-1');

  await typeSalariedParticulars(page);

  await page.click('#cmdproceed');
  const question = await messagePastNotes(page, messageText);
  const saved = question.match(/^e-File Saved to File "([^"]+)"\.\s+Do you want to upload the file now\?$/);
  assert.ok(saved, question);
  const copy = saved[1];
  // The dated copy under the client's folder of the year, digested and valid.
  assert.ok(copy.startsWith(join(practice.dataDir, 'documents', 'ITeRetXMLs', 'C0801', '2016')), copy);
  assert.match(copy, /\/\d{14}_[A-Z]{5}\d{4}[A-Z]_ITR1_2016\.xml$/);
  assert.ok(existsSync(copy), copy);
  const xml = readFileSync(copy, 'utf8');
  assert.match(xml, /<ITRForm:PAN>AGHPI4521K<\/ITRForm:PAN>/);
  assert.match(xml, /<ITRForm:Digest>[A-Za-z0-9+/]{43}=<\/ITRForm:Digest>/);
  assert.equal(readdirSync(join(practice.dataDir, 'documents', 'ITeRetXMLs', 'C0801', '2016')).length, 1);
  execFileSync(bin, ['validate', copy]);  // throws unless the check passes

  await page.click('#dialogYes');
  await page.waitForSelector('#form_frmactol');
  await idle(page);
  assert.match(await page.textContent('#lblnoconnection'), /^This installation has no connection to the Income Tax Department's e-filing portal/);
  assert.equal(await page.textContent('#lblfile'), 'e-Return file: ' + copy);

  // A short acknowledgement number is refused and nothing is recorded.
  await page.click('#txtackno');
  await page.keyboard.type('12345');
  await page.click('#cmdrecord');
  assert.equal(await messageText(page), 'The Acknowledgement No. given by the portal is of 15 digits.');
  await page.click('#dialogOK');
  await idle(page);

  // The dates are reached with Tab, as a clerk moves through the boxes.
  await page.click('#txtackno');
  await page.keyboard.press('Control+A');
  await page.keyboard.type('123456789012345');
  await page.keyboard.press('Tab');
  await page.keyboard.type('28072016');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  await page.keyboard.type('30072016');
  await page.keyboard.press('Tab');
  await idle(page);
  assert.equal(await page.inputValue('#txtfiledon'), '28/07/2016');
  assert.equal(await page.inputValue('#txteverified'), '30/07/2016');
  await page.click('#cmdrecord');
  for (;;) {
    const told = await messageText(page);
    if (told.startsWith('Do you want to change Date of Computation')) { await page.click('#dialogNo'); continue; }
    assert.equal(told, 'The filing of 28/07/2016 (Acknowledgement No. 123456789012345) is recorded in the register.');
    await page.click('#dialogOK');
    break;
  }
  await idle(page);

  // Back on the return screen; closing it shows the workspace and its register.
  await page.waitForSelector('#form_frmitr2013');
  await page.click('#form_frmitr2013 #cmdclose');
  await page.waitForSelector('#form_subform');
  await idle(page);
  const entries = await page.$$eval('#cbotypeofret option', (os) => os.map((o) => o.textContent));
  assert.deepEqual(entries, ['Original (Filed on 28/07/2016 No. 123456789012345)']);
});
