// A small trader's business year entered on the business screens as a clerk
// enters it: the shop typed row by row with its presumptive income u/s 44AD,
// a second business typed by mistake chosen by a click and deleted, goods
// carriages u/s 44AE likewise; saved, the year opened again and read back,
// and computed from the command line.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, meridian, idle, messageText } from './helpers.mjs';
import { cell, openYear, reopenYear, openHead, leaveHead, addRow, clickRow, saveAndLeave } from './head_screen_steps.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

const CLIENT = 'C0002';

async function deleteClickedRow(page, grid, row, button) {
  await clickRow(page, grid, row);
  await page.click('#' + button);
  assert.equal(await messageText(page), 'Do you want to delete the selected row?');
  await page.click('#dialogYes');
  await idle(page);
}

const rowCount = (page, grid) => page.locator(`#${grid} tbody tr[data-row]`).count();

test('a presumptive business and goods carriages are typed row by row, one deleted, and read back after reopening', async () => {
  const page = await signIn(practice);
  await openYear(page, CLIENT);

  await openHead(page, 'cmd_business', 'objbusiness');
  await addRow(page, 'cmdAddBus', ['Kulkarni Kirana Stores', 'B', '4500000', '', '', '']);
  await addRow(page, 'cmdAddPre', ['44AD', '4500000', '', '']);
  await addRow(page, 'cmdAddBus', ['Kulkarni Tea Stall', 'B', '300000', '', '', '']);
  assert.equal(await rowCount(page, 'vsfBusiness'), 2);
  await deleteClickedRow(page, 'vsfBusiness', 1, 'cmdDelBus');
  assert.equal(await rowCount(page, 'vsfBusiness'), 1);
  // 8 % of 45,00,000.
  assert.match(await page.textContent('#lblTotals'), /of which Presumptive u\/s 44AD : 3,60,000\.00/);
  await saveAndLeave(page);

  await openHead(page, 'cmd_ad44', 'Objad44');
  await addRow(page, 'cmdAddVeh', ['MH-12-KT-4410', 'Heavy', '', '12', '']);
  await addRow(page, 'cmdAddVeh', ['MH-12-LM-0921', 'Other', '', '7', '']);
  await addRow(page, 'cmdAddVeh', ['MH-12-PQ-7788', 'Other', '', '3', '']);
  await deleteClickedRow(page, 'vsfVehicles', 2, 'cmdDelVeh');
  assert.equal(await rowCount(page, 'vsfVehicles'), 2);
  await saveAndLeave(page);

  await reopenYear(page);
  await openHead(page, 'cmd_business', 'objbusiness');
  assert.equal(await rowCount(page, 'vsfBusiness'), 1);
  assert.equal(await page.inputValue(cell('vsfBusiness', 0, 0)), 'KULKARNI KIRANA STORES');
  assert.equal(await page.inputValue(cell('vsfBusiness', 0, 1)), 'Business');
  assert.equal(await page.inputValue(cell('vsfBusiness', 0, 2)), '4500000.00');
  await clickRow(page, 'vsfBusiness', 0);
  assert.equal(await page.inputValue(cell('vsfPresumptive', 0, 0)), '44AD');
  assert.equal(await page.inputValue(cell('vsfPresumptive', 0, 1)), '4500000.00');
  await leaveHead(page);
  await openHead(page, 'cmd_ad44', 'Objad44');
  assert.equal(await rowCount(page, 'vsfVehicles'), 2);
  assert.equal(await page.inputValue(cell('vsfVehicles', 0, 0)), 'MH-12-KT-4410');
  assert.equal(await page.inputValue(cell('vsfVehicles', 0, 1)), 'Heavy');
  assert.equal(await page.inputValue(cell('vsfVehicles', 1, 0)), 'MH-12-LM-0921');
  assert.equal(await page.inputValue(cell('vsfVehicles', 1, 3)), '7');
  await leaveHead(page);

  // A.Y. 2016-17: 3,60,000 u/s 44AD; u/s 44AE 7,500 a month for every vehicle
  // (Finance (No. 2) Act, 2014): 12 x 7,500 and 7 x 7,500: 5,02,500 in all.
  const figures = JSON.parse(meridian(['compute', '--client', CLIENT, '--ay', '2016-17', '--json'], practice.dataDir));
  assert.equal(figures.heads.business, 502500);
});

test('interest credited to the P&L of the business clicked comes off its profit and is read back under it', async () => {
  const page = await signIn(practice);
  await openYear(page, 'C0001');
  await openHead(page, 'cmd_business', 'objbusiness');
  await addRow(page, 'cmdAddBus', ['Joshi Traders', 'B', '2000000', '', '400000', '', '', '']);
  await addRow(page, 'cmdAddBus', ['Joshi Consultancy', 'P', '', '500000', '150000', '', '', '']);
  await clickRow(page, 'vsfBusiness', 0);
  await addRow(page, 'cmdAddPL', ['Income credited of the head Other Sources', 'Fixed deposit interest', '25000']);
  // 4,00,000 + 1,50,000, less the interest, which belongs to other sources.
  assert.match(await page.textContent('#lblTotals'), /Business and Profession : 5,25,000\.00/);
  await saveAndLeave(page);

  await reopenYear(page);
  await openHead(page, 'cmd_business', 'objbusiness');
  await clickRow(page, 'vsfBusiness', 1);
  assert.equal(await rowCount(page, 'vsfPLItems'), 0);
  await clickRow(page, 'vsfBusiness', 0);
  assert.equal(await rowCount(page, 'vsfPLItems'), 1);
  assert.equal(await page.inputValue(cell('vsfPLItems', 0, 0)), 'Income credited of the head Other Sources');
  assert.equal(await page.inputValue(cell('vsfPLItems', 0, 2)), '25000.00');
  await leaveHead(page);
});
