import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { startPractice, signIn } from './helpers.mjs';

let practice;
const idle = (page) => page.waitForFunction(() => document.getElementById('busy').hidden);
const sql = (statement) => execFileSync('sqlite3', [join(practice.dataDir, 'meridian.db'), statement], { encoding: 'utf8' }).trim();

before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

async function typeInto(page, selector, text) {
  await page.click(selector);
  await page.keyboard.type(text);
}

test('a save the database refuses is told with a reference, writes nothing, and the screen goes on', async () => {
  // The database refuses the client list's new row, as a full disk would,
  // after the client's own row has gone in.
  sql("CREATE TRIGGER refuse_list BEFORE INSERT ON tempcltbl BEGIN SELECT RAISE(ABORT, 'disk full'); END");
  const page = await signIn(practice);
  await page.click('#openIncomeTax');
  await page.waitForSelector('#cmdNewClient');
  await page.click('#cmdNewClient');
  await page.waitForSelector('#txtfnm');
  await typeInto(page, '#txtcode', 'FAIL01');
  await typeInto(page, '#txtfnm', 'Tara');
  await typeInto(page, '#txtlnm', 'Rao');
  await idle(page);
  await page.click('#cmdsave');
  await page.waitForSelector('#dialog:not([hidden])');
  const told = await page.textContent('#dialogText');
  assert.match(told, /so this step was stopped and its changes were not saved\. The screen is still usable\./);
  assert.match(told, /Reference: E-[2-9A-HJ-NP-Z]{6}/);
  assert.doesNotMatch(told, /disk full|tempcltbl|INSERT/);
  assert.equal(await page.getAttribute('#dialog', 'data-icon'), 'critical');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#dialog', { state: 'hidden' });
  await idle(page);
  assert.equal(sql("SELECT COUNT(*) FROM owner1 WHERE code = 'FAIL01'"), '0');
  // Still the same screen, with what was typed; once the database takes rows again the save goes through.
  assert.equal((await page.inputValue('#txtfnm')).toUpperCase(), 'TARA');
  sql('DROP TRIGGER refuse_list');
  await page.click('#cmdsave');
  await page.waitForFunction(() => document.querySelector('h1.caption').textContent === 'Client Register: FAIL01');
  assert.equal(sql("SELECT COUNT(*) FROM owner1 WHERE code = 'FAIL01'"), '1');
});
