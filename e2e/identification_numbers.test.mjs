// The numbers the corporate registry gives the persons who sign for a company
// or an LLP, typed as a clerk types them: a whole-time director added to a
// company's Key Persons with his DIN (a short DIN refused first), a row
// typed by mistake chosen by a click and deleted, saved and read back; and a
// designated partner's DPIN on the client's General Information, refused
// when short, saved and read back on the client chosen again by a click.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, idle, messageText, openClientYear } from './helpers.mjs';
import { cell, reopenYear, openHead, leaveHead, addRow, clickRow, typeRow, saveAndLeave } from './head_screen_steps.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

const COMPANY = 'C0826';
const PARTNER = 'C0824';
const rowCount = (page, grid) => page.locator(`#${grid} tbody tr[data-row]`).count();
const focusedCell = (page) =>
  page.evaluate(() => document.activeElement.dataset.row + '/' + document.activeElement.dataset.col);

test('a director is added to the Key Persons with his DIN, saved and read back', async () => {
  const page = await signIn(practice);
  await openClientYear(page, COMPANY, '2016-17');
  await openHead(page, 'cmdgen', 'GetGenInfooth');
  // The demo company's board: its managing director and a director.
  assert.equal(await rowCount(page, 'vsfKeyPersons'), 2);
  assert.equal(await page.inputValue(cell('vsfKeyPersons', 0, 3)), '01184527');

  await page.click('#cmdAddKeyPer');
  await idle(page);
  await typeRow(page, ['Rahul Mehta', 'WTD', 'AKRPM5521D']);
  await page.keyboard.type('11845');
  await page.keyboard.press('Tab');
  assert.equal(await messageText(page), 'The Director Identification Number (DIN) is of 8 digits.');
  await page.keyboard.press('Enter');
  await idle(page);
  assert.equal(await focusedCell(page), '2/3', 'the refused DIN keeps the keyboard');
  await page.keyboard.type('01184701');
  await page.keyboard.press('Tab');
  await idle(page);
  await addRow(page, 'cmdAddKeyPer', ['Typed By Mistake', 'CS', '', '']);
  assert.equal(await rowCount(page, 'vsfKeyPersons'), 4);
  await clickRow(page, 'vsfKeyPersons', 3);
  await page.click('#cmdDelKeyPer');
  assert.equal(await messageText(page), 'Do you want to delete the selected row?');
  await page.click('#dialogYes');
  await idle(page);
  assert.equal(await rowCount(page, 'vsfKeyPersons'), 3);
  await saveAndLeave(page);

  await reopenYear(page);
  await openHead(page, 'cmdgen', 'GetGenInfooth');
  assert.equal(await rowCount(page, 'vsfKeyPersons'), 3);
  assert.equal(await page.inputValue(cell('vsfKeyPersons', 2, 0)), 'RAHUL MEHTA');
  assert.equal(await page.inputValue(cell('vsfKeyPersons', 2, 1)), 'Whole-time Director');
  assert.equal(await page.inputValue(cell('vsfKeyPersons', 2, 2)), 'AKRPM5521D');
  assert.equal(await page.inputValue(cell('vsfKeyPersons', 2, 3)), '01184701');
  await leaveHead(page);
});

// The dashboard's list narrowed to one client by its code, the row clicked
// and the client's General Information pressed.
async function openClientInformation(page, code) {
  await page.click('#TxtS0');
  await page.keyboard.press('Control+A');
  await page.keyboard.type(code);
  await page.waitForFunction(() => document.querySelector('#lblRecCount').textContent === 'No. of Records : 1');
  await idle(page);
  await page.click('#ClGrd tbody tr[data-row] td[data-col="1"]');
  await idle(page);
  await page.click('#cmdClInfo');
  await page.waitForSelector('#form_frmsetup2');
  await idle(page);
}

test('a designated partner\'s DPIN is refused when short, saved and read back', async () => {
  const page = await signIn(practice);
  await page.click('#openIncomeTax');
  await page.waitForSelector('#ClGrd tbody tr');
  await page.selectOption('#cbocompAY', '2016-17');
  await idle(page);
  await openClientInformation(page, PARTNER);
  assert.equal(await page.inputValue('#txtdpin'), '');
  await page.click('#txtdpin');
  await page.keyboard.type('2201');
  await page.keyboard.press('Tab');
  assert.equal(await messageText(page), 'The Designated Partner Identification No. (DPIN) is of 8 digits.');
  await page.keyboard.press('Enter');
  await idle(page);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'txtdpin', 'a refused DPIN keeps the focus');
  await page.keyboard.type('02201456');
  await page.click('#cmdSaveClInfo');
  // The DPIN is the person's, kept in the client master.
  assert.equal(await messageText(page), 'Do you also want to Update Client\'s Master Information ?');
  await page.click('#dialogYes');
  await page.waitForFunction((code) => document.querySelector('#statusLine').textContent ===
    `General information of client ${code} for A.Y. 2016-17 saved.`, PARTNER);
  await idle(page);
  await page.keyboard.press('Escape');
  await page.waitForSelector('#form_income');
  await idle(page);

  await openClientInformation(page, PARTNER);
  assert.equal(await page.inputValue('#txtdpin'), '02201456');
});
