// The assessment-year workspace as a clerk works it: a demo client's year
// opened from the dashboard, a revised return added whose data is kept
// separately (the original's filing details asked first), the entries
// switched by clicking the register's rows, a head opened on the revision's
// data, and the way back to the dashboard with Escape.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, openClientYear, idle, messageText } from './helpers.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

const CLIENT = 'C0801';
const entryRow = (row) => `#vsRevOrd tbody tr[data-row="${row}"] td[data-col="0"]`;
const entryInUse = (page) => page.$eval('#cbotypeofret', (s) => s.options[s.selectedIndex].text);
const gridColumn = (page, col) =>
  page.$$eval(`#vsRevOrd tbody tr[data-row] td[data-col="${col}"]`, (cells) => cells.map((c) => c.textContent));

const openYear = (page) => openClientYear(page, CLIENT, '2016-17');

async function answer(page, expected, button) {
  assert.equal(await messageText(page), expected);
  await page.click(button);
}

test('a revised return is added, the entries are switched by click and Escape goes back to the dashboard', async () => {
  const page = await signIn(practice);
  await openYear(page);
  assert.deepEqual(await gridColumn(page, 0), ['Original']);
  assert.equal(await entryInUse(page), 'Original');

  await page.click('#cmdaddRev');
  await answer(page, 'Do you want to Revise the Return?', '#dialogYes');
  await answer(page, 'Please furnish details of previously filed Return.', '#dialogOK');
  await page.waitForSelector('#form_frmRevOrd #famret:not([hidden])');
  await idle(page);
  await page.click('#optrettyp1_4');
  await idle(page);
  await page.click('#txtfieldsM0');
  await page.keyboard.type('25/07/2016');
  await page.keyboard.press('Tab');
  await idle(page);
  await page.click('#txtfieldsM1');
  await page.keyboard.type('111111111111111');
  await page.keyboard.press('Tab');
  await idle(page);
  await page.click('#cmdsaveR');
  await page.waitForSelector('#form_frmRevOrd #famrevise:not([hidden])');
  await idle(page);
  await page.click('#optrevise2');
  await page.click('#cmdupdateRev');
  await messageText(page);
  await page.click('#dialogYes');
  await page.waitForSelector('#form_subform');
  await idle(page);

  assert.deepEqual(await gridColumn(page, 3), [CLIENT, CLIENT + '^R-2']);
  assert.deepEqual(await gridColumn(page, 2), ['25/07/2016', '']);
  assert.match(await entryInUse(page), /^Revised/);

  // The revision's data is a copy of the original's: its salary screen shows the employer.
  await page.click('#cmd_salary');
  await page.waitForSelector('#form_ObjSalary');
  await idle(page);
  assert.equal(await page.inputValue('#vsfEmployers input.cell[data-row="0"][data-col="0"]'),
    'JP NAGAR TECHNOLOGIES PVT LTD');
  await page.keyboard.press('Escape');
  await page.waitForSelector('#form_subform');
  await idle(page);

  await page.click(entryRow(0));
  await idle(page);
  assert.equal(await entryInUse(page), 'Original (Filed on 25/07/2016 No. 111111111111111)');
  await page.click(entryRow(1));
  await idle(page);
  assert.match(await entryInUse(page), /^Revised/);

  await page.keyboard.press('Escape');
  await page.waitForSelector('#form_income');
  await idle(page);
  assert.equal(await page.locator('#form_subform').count(), 0);
});
