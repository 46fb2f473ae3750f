// An undertaking in a Special Economic Zone entered as a clerk enters it: the
// business screen's button opens the screen of deductions u/s 10A / 10AA, the
// unit is typed cell by cell, the deduction shows as the row is left, and it
// is saved and read back after the year is opened again.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, idle } from './helpers.mjs';
import { cell, openYear, reopenYear, addRow, openFromBusiness, leaveToYearThroughBusiness } from './head_screen_steps.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

const CLIENT = 'C0002';

const openExportUnits = (page) => openFromBusiness(page, 'cmd10AA', 'Obj10AA');

test('a unit in a zone is typed, its deduction shown, saved and read back', async () => {
  const page = await signIn(practice);
  await openYear(page, CLIENT);
  await openExportUnits(page);
  await addRow(page, 'cmdAddSec10', ['Unit 4, Falta SEZ', '10AA', '2014-15', '900000', '3000000', '4500000', '', '']);
  // 9,00,000 x 30,00,000 / 45,00,000, the whole of it in the unit's third year.
  assert.equal(await page.textContent('#lblTotals'),
    'Deduction u/s 10A / 10AA (before set-off of losses) : 6,00,000.00');
  await page.click('#cmdSave');
  await idle(page);
  await leaveToYearThroughBusiness(page);

  await reopenYear(page);
  await openExportUnits(page);
  assert.equal(await page.inputValue(cell('vsfSec10', 0, 0)), 'UNIT 4, FALTA SEZ');
  assert.equal(await page.inputValue(cell('vsfSec10', 0, 2)), '2014-15');
  assert.equal(await page.inputValue(cell('vsfSec10', 0, 4)), '3000000.00');
  assert.equal(await page.textContent('#lblTotals'),
    'Deduction u/s 10A / 10AA (before set-off of losses) : 6,00,000.00');
});
