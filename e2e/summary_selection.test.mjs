import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, meridian, idle } from './helpers.mjs';

let practice;
before(async () => {
  practice = await startPractice();
  meridian(['user', 'add', 'partner', '--password', 'partner-password'], practice.dataDir);
});
after(async () => { await practice.stop(); });

// The codes of the year's summary, as the Summaries screen lists them.
async function summaryCodes(page) {
  await page.click('#openSummaries');
  await page.waitForSelector('#cmdshow');
  await page.selectOption('#cbosummrepAY', '2016-17');
  await idle(page);
  await page.click('#cmdshow');
  await page.waitForSelector('#vsfsummary tbody tr[data-row]');
  await idle(page);
  return page.$$eval('#vsfsummary tbody tr[data-row] td[data-col="0"]', (tds) => tds.map((td) => td.textContent));
}

test("the Summaries screen lists only the clients of the user's own Client List Selection, and says so", async () => {
  const clerk = await signIn(practice);
  // The clerk narrows the client list to the HUFs, by clicks and keys on the selection screen.
  await clerk.click('#openIncomeTax');
  await clerk.waitForSelector('#ClGrd tbody tr');
  await idle(clerk);
  await clerk.click('#cmdClListSel');
  await clerk.waitForSelector('#form_frmClListSelection');
  await idle(clerk);
  await clerk.click('#cbostatus');
  await clerk.keyboard.type('HUF');
  await clerk.keyboard.press('Enter');
  await idle(clerk);
  await clerk.click('#cmdapply');
  await clerk.waitForSelector('#form_income');
  await idle(clerk);
  await clerk.keyboard.press('Escape');
  await clerk.waitForSelector('#home:not([hidden])');

  const clerkCodes = await summaryCodes(clerk);
  assert.equal(await clerk.textContent('#lblSumSelection'),
    'Client List Selection : Status HUF (only these clients are summarised)');
  // The same clients the command line lists for the clerk.
  const hufs = JSON.parse(meridian(['clients', '--user', 'clerk', '--json'], practice.dataDir));
  assert.ok(hufs.length > 0 && hufs.every((c) => c.Status === 'HUF'));
  assert.ok(clerkCodes.length > 0, 'an HUF of the demo has its year computed');
  for (const code of clerkCodes) assert.ok(hufs.some((c) => c.Code === code), `${code} is one of the clerk's HUFs`);

  // The partner made no selection: the practice's summary, and no selection line.
  const partner = await signIn(practice, 'partner', 'partner-password');
  const partnerCodes = await summaryCodes(partner);
  assert.ok(partnerCodes.length > clerkCodes.length, `${partnerCodes.length} rows for the partner`);
  assert.ok(await partner.isHidden('#lblSumSelection'));
  await clerk.context().close();
  await partner.context().close();
});
