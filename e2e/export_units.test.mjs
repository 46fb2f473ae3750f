// An undertaking in a Special Economic Zone entered as a clerk enters it: the
// business screen's button opens the screen of deductions u/s 10A / 10AA, the
// unit is typed cell by cell, the deduction shows as the row is left, and it
// is saved and read back after the year is opened again.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, idle } from './helpers.mjs';
import { cell, openYear, reopenYear, openHead, leaveHead, addRow } from './head_screen_steps.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

const CLIENT = 'C0002';

async function openExportUnits(page) {
  await openHead(page, 'cmd_business', 'objbusiness');
  assert.equal(await page.textContent('#cmd10AA'), 'Deductions u/s 10A / 10AA');
  await page.click('#cmd10AA');
  await page.waitForSelector('#form_Obj10AA');
  await idle(page);
}

async function backToYear(page) {
  await page.keyboard.press('Escape');
  await page.waitForSelector('#form_objbusiness');
  await idle(page);
  await leaveHead(page);
}

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
  await backToYear(page);

  await reopenYear(page);
  await openExportUnits(page);
  assert.equal(await page.inputValue(cell('vsfSec10', 0, 0)), 'UNIT 4, FALTA SEZ');
  assert.equal(await page.inputValue(cell('vsfSec10', 0, 2)), '2014-15');
  assert.equal(await page.inputValue(cell('vsfSec10', 0, 4)), '3000000.00');
  assert.equal(await page.textContent('#lblTotals'),
    'Deduction u/s 10A / 10AA (before set-off of losses) : 6,00,000.00');
});
