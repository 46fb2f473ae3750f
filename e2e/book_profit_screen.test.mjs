// The company's book profit u/s 115JB entered from its year as a clerk enters
// it: the workspace's "MAT U/s 115JB" opens the screen with the demo's profit
// and adjustments; the profit is typed anew, a deduction added clause by
// clause, an addition typed by mistake chosen by a click and deleted; saved,
// the year opened again and read back, and computed from the command line.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, meridian, idle, messageText } from './helpers.mjs';
import { cell, openYear, reopenYear, openHead, leaveHead, addRow, clickRow } from './head_screen_steps.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

const COMPANY = 'C0826';
const rowCount = (page, grid) => page.locator(`#${grid} tbody tr[data-row]`).count();

test('the book profit is typed, an adjustment added and one deleted, and read back after reopening', async () => {
  const page = await signIn(practice);
  await openYear(page, COMPANY);
  assert.equal(await page.textContent('#cmdmatamt'), 'MAT U/s 115JB');
  await openHead(page, 'cmdmatamt', 'ObjMat_Cal');
  assert.equal(await page.inputValue('#txtNetProfit'), '4200000.00');
  assert.equal(await page.inputValue(cell('vsfAdditions', 0, 0)), '(a) Income Tax');

  await page.click('#txtNetProfit');
  await page.keyboard.press('Control+A');
  await page.keyboard.type('4350000');
  await page.keyboard.press('Tab');
  await idle(page);
  await addRow(page, 'cmdAddDeduction', ['iib', 'Revaluation reserve withdrawn', '25000']);
  await addRow(page, 'cmdAddAddition', ['(e', 'Typed by mistake', '1000']);
  assert.equal(await rowCount(page, 'vsfAdditions'), 2);
  await clickRow(page, 'vsfAdditions', 1);
  await page.click('#cmdDelAddition');
  assert.equal(await messageText(page), 'Do you want to delete the selected row?');
  await page.click('#dialogYes');
  await idle(page);
  assert.equal(await rowCount(page, 'vsfAdditions'), 1);
  // 43,50,000 + 6,00,000 - 9,00,000 - 25,000.
  assert.match(await page.textContent('#lblTotals'), /Book Profit : 40,25,000\.00/);
  await page.click('#cmdSave');
  await idle(page);
  await leaveHead(page);

  await reopenYear(page);
  await openHead(page, 'cmdmatamt', 'ObjMat_Cal');
  assert.equal(await page.inputValue('#txtNetProfit'), '4350000.00');
  assert.equal(await rowCount(page, 'vsfDeductions'), 2);
  assert.equal(await page.inputValue(cell('vsfDeductions', 1, 0)), '(iib) Withdrawn from Revaluation Reserve');
  assert.equal(await page.inputValue(cell('vsfDeductions', 1, 1)), 'REVALUATION RESERVE WITHDRAWN');
  assert.equal(await page.inputValue(cell('vsfDeductions', 1, 2)), '25000.00');
  assert.equal(await rowCount(page, 'vsfAdditions'), 1);
  await leaveHead(page);

  const figures = JSON.parse(meridian(['compute', '--client', COMPANY, '--ay', '2016-17', '--json'], practice.dataDir));
  assert.equal(figures.alternate_tax.section, '115JB');
  assert.equal(figures.alternate_tax.base, 4025000);
});
