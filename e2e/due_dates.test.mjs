import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn } from './helpers.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

test('the due-date grid refuses a date outside the year for A.Y. 2016-17', async () => {
  const page = await signIn(practice);
  await page.click('#openDueDates');
  await page.waitForSelector('#vsfDueDt');
  await page.selectOption('#cboduedateAY', '2016-17');
  await page.waitForFunction(() => document.querySelectorAll('#vsfDueDt tbody tr').length === 9);
  const cell = page.locator('#vsfDueDt input.cell[data-row="8"][data-col="1"]');
  await cell.fill('31/07/2015');
  await cell.press('Tab');
  await page.waitForSelector('#dialog:not([hidden])');
  assert.equal(await page.textContent('#dialogText'), 'Date should be between 01/04/2016 and 31/03/2017');
  await page.click('#dialogOK');
  await page.waitForSelector('#dialog', { state: 'hidden' });
  // The screen as the server left it after the refusal comes back first.
  await page.waitForFunction(() => document.getElementById('busy').hidden);
  const again = page.locator('#vsfDueDt input.cell[data-row="8"][data-col="1"]');
  await again.fill('31/07/2016');
  await again.press('Tab');
  await page.waitForFunction(() =>
    document.querySelector('#vsfDueDt input.cell[data-row="8"][data-col="1"]').value === '31/07/2016');
});
