// The fixed-asset chart reached from the business screen as a clerk reaches
// it: the button clicked, an item typed cell by cell with real key presses,
// the block's depreciation seen as the row is left, saved, and read back
// after the year is opened again.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, idle } from './helpers.mjs';
import { cell, openYear, reopenYear, addRow, openFromBusiness, leaveToYearThroughBusiness } from './head_screen_steps.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

const CLIENT = 'C0002';

const openChart = (page) => openFromBusiness(page, 'cmdDepChart', 'ObjNewFATR');

test('an item typed into the depreciation chart shows its depreciation, is saved and read back', async () => {
  const page = await signIn(practice);
  await openYear(page, CLIENT);
  await openChart(page);

  // A lathe in machinery and plant at 15 %, with additions on both sides of 180 days.
  await addRow(page, 'cmdAddDep', ['Lathe', 'Mac', '15', '100000', '50000', '40000', '']);
  // 15 % of 1,50,000 and 7.5 % of 40,000.
  assert.match(await page.textContent('#lblTotals'), /Depreciation : 25,500\.00/);
  assert.match(await page.textContent('#vsfDepBlocks'), /Machinary and plant[\s\S]*25,500\.00[\s\S]*1,64,500\.00/);
  await page.click('#cmdSave');
  await idle(page);
  await leaveToYearThroughBusiness(page);

  await reopenYear(page);
  await openChart(page);
  assert.equal(await page.inputValue(cell('vsfDepChart', 0, 0)), 'LATHE');
  assert.equal(await page.inputValue(cell('vsfDepChart', 0, 1)), 'Machinary and plant');
  assert.equal(await page.inputValue(cell('vsfDepChart', 0, 5)), '40000.00');
  assert.match(await page.textContent('#lblTotals'), /Depreciation : 25,500\.00/);
});
