import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, meridian, idle } from './helpers.mjs';

let practice;
before(async () => {
  practice = await startPractice();
  meridian(['user', 'add', 'partner', '--password', 'partner-password'], practice.dataDir);
});
after(async () => { await practice.stop(); });

async function rowCount(page) {
  return Number((await page.textContent('#lblRecCount')).replace('No. of Records : ', ''));
}

async function openList(page) {
  await page.click('#openIncomeTax');
  await page.waitForSelector('#ClGrd tbody tr');
  await idle(page);
}

// Opens "Client List Selection", picks the status by typing in its list, and
// clicks the button.
async function selectClients(page, status, button) {
  await page.click('#cmdClListSel');
  await page.waitForSelector('#form_frmClListSelection');
  await idle(page);
  if (status) {
    await page.click('#cbostatus');
    await page.keyboard.type(status);
    await page.keyboard.press('Enter');
    await idle(page);
  }
  await page.click(button);
  await page.waitForSelector('#form_income');
  await idle(page);
}

test("one user's list selection is that user's alone and the dashboard says it is on", async () => {
  const clerk = await signIn(practice);
  const partner = await signIn(practice, 'partner', 'partner-password');
  await openList(clerk);
  await openList(partner);
  const all = await rowCount(clerk);
  assert.ok(await clerk.isHidden('#lblClSelection'), 'no selection line before a selection is made');

  await selectClients(clerk, 'HUF', '#cmdapply');
  const hufs = await rowCount(clerk);
  assert.ok(hufs > 0 && hufs < all, `the clerk sees ${hufs} of ${all}`);
  assert.equal(await clerk.textContent('#lblClSelection'),
    `Client List Selection : Status HUF (${hufs} clients listed; "List all clients" shows every client)`);
  const statuses = await clerk.$$eval('#ClGrd tbody tr td[data-col="2"]', (cells) => cells.map((c) => c.textContent));
  assert.deepEqual([...new Set(statuses)], ['HUF']);

  // The partner's list, opened afresh, is the whole practice's and says nothing of a selection.
  await partner.keyboard.press('Escape');
  await partner.waitForSelector('#home:not([hidden])');
  await openList(partner);
  assert.equal(await rowCount(partner), all);
  assert.ok(await partner.isHidden('#lblClSelection'));

  await selectClients(clerk, '', '#cmdall');
  assert.equal(await rowCount(clerk), all);
  assert.ok(await clerk.isHidden('#lblClSelection'));
  await clerk.context().close();
  await partner.context().close();
});

test('a clerk cannot open the practice exclusions; the tile is not offered', async () => {
  const clerk = await signIn(practice);
  assert.equal(await clerk.locator('#openClExclusions').count(), 0);
  await clerk.context().close();
});
