// A salaried client's year entered as a clerk enters it: the client chosen
// on the dashboard for A.Y. 2016-17, each head opened from the year's
// screen, rows added and typed cell by cell with Tab, saved; then the year
// opened again and read back, and computed from the command line.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, meridian, idle, messageText } from './helpers.mjs';
import { cell, openYear, reopenYear, openHead, leaveHead, addRow, clickRow, saveAndLeave } from './head_screen_steps.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

const CLIENT = 'C0001';
test('a salaried client\'s year is entered head by head and reads back after reopening', async () => {
  const page = await signIn(practice);
  await openYear(page, CLIENT);

  await openHead(page, 'cmd_salary', 'ObjSalary');
  await addRow(page, 'cmdAddEmp', ['Sahyadri Software Pvt Ltd', 'pnes04512k', 'O', 'Baner Road', 'Pune', 'Maharashtra',
    '411045', '720000', '', '', '', '2400']);
  await addRow(page, 'cmdAddExempt', ['HRA', '180000', '72000']);
  assert.equal(await page.textContent('#lblTotals'),
    'Gross Salary : 9,00,000.00    Exempt Allowances : 72,000.00    Deductions u/s 16 : 2,400.00    Income from Salaries : 8,25,600.00');
  await saveAndLeave(page);

  await openHead(page, 'cmd_house', 'ObjHouseProp');
  await addRow(page, 'cmdAddHouse', ['Flat 12, Kumar Residency', 'Pune', '', '', 'Self', '', '', '', '', '165000',
    '12/03/2011']);
  await saveAndLeave(page);

  await openHead(page, 'Command4', 'ObjOtherIncome');
  await addRow(page, 'cmdAddOthInc', ['SB', 'Bank of Maharashtra', '6400']);
  // Of the table of when winnings and dividends arose, the row deleted is the one clicked.
  await addRow(page, 'cmdAddArising', ['W', '0', '0', '0', '25000', '0']);
  await addRow(page, 'cmdAddArising', ['D', '0', '0', '0', '0', '0']);
  await clickRow(page, 'vsfArising', 0);
  await page.click('#cmdDelArising');
  assert.equal(await messageText(page), 'Do you want to delete the selected row?');
  await page.click('#dialogYes');
  await idle(page);
  assert.equal(await page.locator('#vsfArising tbody tr[data-row]').count(), 1);
  assert.equal(await page.inputValue(cell('vsfArising', 0, 0)), 'Dividends from domestic companies (s.115BBDA)');
  await saveAndLeave(page);

  await openHead(page, 'Command6', 'ObjDeductN');
  await addRow(page, 'cmdAddDed', ['80C', 'PPF and LIC', '150000']);
  await addRow(page, 'cmdAddDed', ['80TTA', '', '6400']);
  await addRow(page, 'cmdAddDed', ['80D', '', '5000']);
  // The row to delete is chosen by a click on it.
  await clickRow(page, 'vsfDed', 2);
  await page.click('#cmdDelDed');
  assert.equal(await messageText(page), 'Do you want to delete the selected row?');
  await page.click('#dialogYes');
  await idle(page);
  assert.equal(await page.locator('#vsfDed tbody tr[data-row]').count(), 2);
  await saveAndLeave(page);

  await openHead(page, 'cmd_taxdetail', 'Objtaxdetail');
  await addRow(page, 'cmdAddTds', ['192', 'Sahyadri Software Pvt Ltd', 'PNES04512K', '', '31/03/2016', '900000', '64000',
    '64000']);
  await saveAndLeave(page);

  // The year opened again from the dashboard shows what was typed.
  await reopenYear(page);
  await openHead(page, 'cmd_salary', 'ObjSalary');
  assert.equal(await page.inputValue(cell('vsfEmployers', 0, 0)), 'SAHYADRI SOFTWARE PVT LTD');
  assert.equal(await page.inputValue(cell('vsfEmployers', 0, 1)), 'PNES04512K');
  assert.equal(await page.inputValue(cell('vsfEmployers', 0, 2)), 'Others');
  assert.equal(await page.inputValue(cell('vsfEmployers', 0, 7)), '720000.00');
  assert.equal(await page.inputValue(cell('vsfExemptAllow', 0, 0)), 'House Rent Allowance u/s 10(13A)');
  assert.equal(await page.inputValue(cell('vsfExemptAllow', 0, 2)), '72000.00');
  await leaveHead(page);
  await openHead(page, 'cmd_house', 'ObjHouseProp');
  assert.equal(await page.inputValue(cell('vsfHouses', 0, 4)), 'Self Occupied');
  assert.equal(await page.inputValue(cell('vsfHouses', 0, 10)), '12/03/2011');
  await leaveHead(page);
  await openHead(page, 'Command6', 'ObjDeductN');
  assert.equal(await page.inputValue(cell('vsfDed', 1, 0)), '80TTA');
  await leaveHead(page);

  // The stored year computes: 8,25,600 salary, 1,65,000 interest on the
  // self-occupied house, 6,400 savings interest, 1,56,400 deductions.
  const figures = JSON.parse(meridian(['compute', '--client', CLIENT, '--ay', '2016-17', '--json'], practice.dataDir));
  assert.equal(figures.gross_total_income, 667000);
  assert.equal(figures.total_income, 510600);
  assert.equal(figures.taxes_paid, 64000);
});

test('a cell left with a BSR code too short is refused and keeps the keyboard', async () => {
  const page = await signIn(practice);
  await openYear(page, CLIENT);
  await openHead(page, 'cmd_taxdetail', 'Objtaxdetail');
  await page.click('#cmdAddAdv');
  await idle(page);
  await page.keyboard.type('05103');
  await page.keyboard.press('Tab');
  assert.equal(await messageText(page), 'BSR Code must be of 7 digits.');
  await page.keyboard.press('Enter');
  await idle(page);
  assert.equal(await page.evaluate(() => document.activeElement.dataset.row + '/' + document.activeElement.dataset.col), '0/0');
  await page.keyboard.type('0510308');
  await page.keyboard.press('Tab');
  await idle(page);
  assert.equal(await page.inputValue(cell('vsfAdvTax', 0, 0)), '0510308');
  // Leaving with the row unsaved asks first; Cancel stays.
  await page.keyboard.press('Escape');
  assert.equal(await messageText(page), 'Do you want to save the changes?');
  await page.click('#dialogCancel');
  await idle(page);
  assert.equal(await page.locator('#form_Objtaxdetail').count(), 1);
  await page.keyboard.press('Escape');
  await messageText(page);
  await page.click('#dialogNo');
  await page.waitForSelector('#form_subform');
});
