// The due-date grids typed as a clerk types: a click on a cell, the date
// typed over what the cell held, Tab or Enter to move on.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, idle, messageText } from './helpers.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

const cell = (row, col) => `#vsfDueDt input.cell[data-row="${row}"][data-col="${col}"]`;

async function openYear(page, year) {
  await page.click('#openDueDates');
  await page.waitForSelector('#vsfDueDt');
  await idle(page);
  await page.selectOption('#cboduedateAY', year);
  await idle(page);
}

test('a date typed into a clicked cell replaces what it held; one outside the year is refused', async () => {
  const page = await signIn(practice);
  await openYear(page, '2016-17');
  assert.equal(await page.locator('#vsfDueDt tbody tr[data-row]').count(), 9);

  await page.click(cell(8, 1));
  await page.keyboard.type('31/07/2015');
  await page.keyboard.press('Tab');
  assert.equal(await messageText(page), 'Date should be between 01/04/2016 and 31/03/2017');
  await page.keyboard.press('Enter');
  await idle(page);
  // The refused cell has the keyboard again, its text selected.
  assert.equal(await page.evaluate(() => document.activeElement.dataset.row + '/' + document.activeElement.dataset.col), '8/1');
  await page.keyboard.type('31072016');
  await page.keyboard.press('Tab');
  await idle(page);
  assert.equal(await page.inputValue(cell(8, 1)), '31/07/2016');
  assert.equal(await page.evaluate(() => document.activeElement.dataset.col), '2', 'Tab went on to the next cell');
  assert.equal(await page.getAttribute('#vsfDueDt tbody tr[data-row="8"]', 'class'), 'selected');

  // The categories are the rows' titles: a click and keys change nothing there.
  const category = page.locator('#vsfDueDt tbody tr[data-row="2"] td[data-col="0"]');
  const before = await category.textContent();
  await category.click();
  await page.keyboard.type('XYZ');
  await idle(page);
  assert.equal(await category.textContent(), before);
  assert.equal(await category.locator('input').count(), 0);
});

test('Enter in a cell goes to the cell below at once, even while the server is slow', async () => {
  const page = await signIn(practice);
  await openYear(page, '2016-17');
  // Every event takes a while to come back, as on a busy office server, and
  // the clerk types at a person's pace: the answer to the move into a cell
  // arrives while its date is half typed, and must not undo it.
  await page.route('**/ev', async (route) => {
    await new Promise((resolve) => setTimeout(resolve, 250));
    await route.continue();
  });
  const typing = { delay: 70 };
  await page.click(cell(0, 2));
  await page.keyboard.type('30/09/2016', typing);
  await page.keyboard.press('Enter');
  await page.keyboard.type('30/09/2016', typing);
  await page.keyboard.press('Enter');
  await page.keyboard.type('15/10/2016', typing);
  await page.keyboard.press('Tab');
  await idle(page);
  assert.equal(await page.inputValue(cell(0, 2)), '30/09/2016');
  assert.equal(await page.inputValue(cell(1, 2)), '30/09/2016');
  assert.equal(await page.inputValue(cell(2, 2)), '15/10/2016');
  await page.unroute('**/ev');
  // What the page shows is what the server holds: saved and read back, the
  // grid comes back the same.
  await page.click('#cmdSaveDueDt');
  await idle(page);
  await page.selectOption('#cboduedateAY', '2015-16');
  await idle(page);
  await page.selectOption('#cboduedateAY', '2016-17');
  await idle(page);
  for (const [row, date] of [[0, '30/09/2016'], [1, '30/09/2016'], [2, '15/10/2016']])
    assert.equal(await page.inputValue(cell(row, 2)), date, `row ${row} was kept by the server`);
});
