// A year opened after one whose depreciation chart was kept: the clerk types
// the chart of A.Y. 2015-16, goes back to the dashboard, chooses A.Y. 2016-17
// and opens the same client; the year asks whether to carry the closing
// written-down values forward, a Yes brings them in as the opening values,
// and the year opened again asks no more.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, idle, messageText, openClientYear } from './helpers.mjs';
import { cell, reopenYear, addRow, openFromBusiness, leaveToYearThroughBusiness } from './head_screen_steps.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

const CLIENT = 'C0002';

const openChart = (page) => openFromBusiness(page, 'cmdDepChart', 'ObjNewFATR');

test('last year\'s closing W.D.V. is offered to the new year and a Yes opens its chart with it', async () => {
  const page = await signIn(practice);
  await openClientYear(page, CLIENT, '2015-16');
  await openChart(page);
  // Machinery at 15 %: 1,00,000 less 15,000 closes at 85,000.
  await addRow(page, 'cmdAddDep', ['Lathe', 'Mac', '15', '100000', '', '', '']);
  await page.click('#cmdSave');
  await idle(page);
  await leaveToYearThroughBusiness(page);

  // Back to the dashboard, the next year chosen, Enter on the same client.
  await page.keyboard.press('Escape');
  await page.waitForSelector('#form_income');
  await idle(page);
  await page.selectOption('#cbocompAY', '2016-17');
  await idle(page);
  await page.click('#TxtS0');
  await page.keyboard.press('End');
  await page.keyboard.press('Enter');
  assert.equal(await messageText(page),
    'Do you want to Carry Forward Closing W.D.V. of Previous Year\'s Depreciation Chart?');
  await page.click('#dialogYes');
  await page.waitForSelector('#form_subform');
  await idle(page);

  await openChart(page);
  assert.equal(await page.inputValue(cell('vsfDepChart', 0, 0)), 'LATHE');
  assert.equal(await page.inputValue(cell('vsfDepChart', 0, 3)), '85000.00');
  await leaveToYearThroughBusiness(page);

  // The year has its chart now: opened again, nothing is asked.
  await reopenYear(page);
  await idle(page);
  assert.equal(await page.isVisible('#dialog'), false);
});
