// The grids as a clerk uses them: the row clicked or reached with the keys
// is the row every button acts on, a row selected beyond the rows first sent
// is shown, the search boxes keep up with fast typing, and a click on a
// column title sorts the list.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, meridian, idle, messageText } from './helpers.mjs';

let practice;
let clients;
before(async () => {
  practice = await startPractice();
  clients = JSON.parse(meridian(['clients', '--json'], practice.dataDir));
});
after(async () => { await practice.stop(); });

const recordCount = async (page) => Number((await page.textContent('#lblRecCount')).replace('No. of Records : ', ''));
const selectedCode = (page) => page.textContent('#ClGrd tbody tr.selected td[data-col="0"]');

async function openDashboard(page) {
  await page.click('#openIncomeTax');
  await page.waitForSelector('#ClGrd tbody tr[data-row]');
  await idle(page);
}

// The selected row lies inside the part of the grid the user sees.
async function selectedRowInView(page, grid) {
  return page.evaluate((id) => {
    const g = document.getElementById(id);
    const tr = g.querySelector('tbody tr.selected');
    if (!tr) return false;
    const box = g.getBoundingClientRect();
    const row = tr.getBoundingClientRect();
    return row.top >= box.top && row.bottom <= box.bottom + 1;
  }, grid);
}

async function clearBox(page, selector) {
  await page.click(selector);
  await page.keyboard.press('Control+A');
  await page.keyboard.press('Backspace');
}

test('Delete Client asks about the row that was clicked, or reached with the arrow keys', async () => {
  const page = await signIn(practice);
  await openDashboard(page);
  for (const how of ['click', 'keys']) {
    const fifth = page.locator('#ClGrd tbody tr[data-row]').nth(4);
    const code = await fifth.locator('td[data-col="0"]').textContent();
    const name = await fifth.locator('td[data-col="1"]').textContent();
    if (how === 'click') {
      await fifth.click();
    } else {
      await page.locator('#ClGrd tbody tr[data-row]').first().click();
      for (let i = 0; i < 4; i++) await page.keyboard.press('ArrowDown');
    }
    await page.click('#cmdDelClient');
    assert.equal(await messageText(page), `Do you want to delete client ${code} ${name} ?`, how);
    assert.equal(await page.isVisible('#busy'), false, '"Working..." does not show while a question waits');
    await page.click('#dialogNo');
    await idle(page);
    assert.equal(await selectedCode(page), code, 'answering No deletes nothing and keeps the row');
    assert.equal(await recordCount(page), clients.length);
  }
});

test('"Show All Year Details" lists the years of the summary row that was clicked', async () => {
  const page = await signIn(practice);
  await page.click('#openSummaries');
  await page.waitForSelector('#cmdshow');
  await page.selectOption('#cbosummrepAY', '2015-16');
  await page.click('#cmdshow');
  await page.waitForSelector('#vsfsummary tbody tr[data-row]');
  await idle(page);
  const third = page.locator('#vsfsummary tbody tr[data-row]').nth(2);
  const code = await third.locator('td[data-col="0"]').textContent();
  const name = await third.locator('td[data-col="1"]').textContent();
  await third.click();
  await page.click('#Command1');
  await idle(page);
  const codes = await page.$$eval('#vsfsummary tbody tr[data-row] td[data-col="0"]', (tds) => tds.map((td) => td.textContent));
  assert.ok(codes.length >= 1);
  assert.deepEqual([...new Set(codes)], [code]);
  assert.equal(await page.textContent('#vsfsummary thead th[data-col="1"]'), 'Assessment Year');
  const [preview] = await Promise.all([page.context().waitForEvent('page'), page.click('#cmdprev')]);
  await preview.waitForLoadState();
  assert.equal(await preview.textContent('#reportTitle'), 'Summarized Computation of ' + name);
});

test('a row selected beyond the rows first sent is shown', async () => {
  const page = await signIn(practice);
  await openDashboard(page);
  assert.ok(clients.length > 300, 'the list is longer than one window of rows');

  // End, from the keyboard: the last client.
  await page.locator('#ClGrd tbody tr[data-row]').first().click();
  await page.keyboard.press('End');
  await idle(page);
  assert.equal(await selectedCode(page), clients[clients.length - 1].Code);
  assert.ok(await selectedRowInView(page, 'ClGrd'));
  await page.keyboard.press('PageUp');
  await idle(page);
  assert.ok(await selectedRowInView(page, 'ClGrd'));
  await page.keyboard.press('Home');
  await idle(page);
  assert.equal(await selectedCode(page), clients[0].Code);

  // The client opened last is selected again when the list comes back.
  const far = clients[350];
  await page.click('#TxtS0');
  await page.keyboard.type(far.Code);
  await page.keyboard.press('Enter');
  await page.waitForSelector('#form_subform');
  await idle(page);
  assert.ok((await page.textContent('#form_subform h1.caption')).endsWith(` of ${far.Name}`));
  await page.keyboard.press('Escape');
  await page.waitForSelector('#form_income');
  await clearBox(page, '#TxtS0');
  await page.waitForFunction((n) => document.querySelector('#lblRecCount').textContent === 'No. of Records : ' + n, clients.length);
  await idle(page);
  assert.equal(await selectedCode(page), far.Code);
  assert.ok(await selectedRowInView(page, 'ClGrd'));
});

test('scrolling down a long list brings its later rows, and the scroll bar spans the whole list', async () => {
  const page = await signIn(practice);
  await openDashboard(page);
  const held = await page.locator('#ClGrd tbody tr[data-row]').count();
  assert.ok(held < clients.length, 'the page first holds a window of rows');
  const box = await page.locator('#ClGrd').boundingBox();
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
  const last = clients[clients.length - 1].Code;
  for (let i = 0; i < 100; i++) {
    await page.mouse.wheel(0, 2000);
    const found = await page.locator('#ClGrd tbody tr[data-row] td[data-col="0"]', { hasText: last }).count();
    if (found) break;
  }
  await page.waitForFunction((code) => Array.from(document.querySelectorAll('#ClGrd tbody tr[data-row] td[data-col="0"]'))
    .some((td) => td.textContent === code), last);
  const lastRow = page.locator('#ClGrd tbody tr[data-row]').last();
  assert.equal(await lastRow.locator('td[data-col="0"]').textContent(), last);
  assert.ok(await lastRow.isVisible());
});

test('typing fast into the search boxes ends with the list that matches the last key', async () => {
  const page = await signIn(practice);
  await openDashboard(page);
  const name = clients[40].Name;
  const typed = name.slice(0, 6);
  const expected = JSON.parse(meridian(['clients', '--json', '--col', 'Name=' + typed], practice.dataDir));
  assert.ok(expected.length < clients.length);
  await page.click('#TxtS1');
  await page.keyboard.type(typed, { delay: 0 });
  await idle(page);
  assert.equal(await recordCount(page), expected.length);
  const shownCodes = await page.$$eval('#ClGrd tbody tr[data-row] td[data-col="0"]', (tds) => tds.map((td) => td.textContent));
  assert.deepEqual(shownCodes, expected.map((c) => c.Code));
  assert.equal(await page.inputValue('#TxtS1'), typed, 'every key stays in the box');

  // Two boxes, typed and corrected at speed.
  await page.click('#TxtS2');
  await page.keyboard.type('FIRMX', { delay: 0 });
  await page.keyboard.press('Backspace');
  await idle(page);
  const both = JSON.parse(meridian(['clients', '--json', '--col', 'Name=' + typed, '--col', 'Status=FIRM'], practice.dataDir));
  assert.equal(await recordCount(page), both.length);
});

test('a click on a column title sorts the list and keeps the selected client', async () => {
  const page = await signIn(practice);
  await openDashboard(page);
  const row = page.locator('#ClGrd tbody tr[data-row]').nth(2);
  const code = await row.locator('td[data-col="0"]').textContent();
  await row.click();
  await page.click('#ClGrd thead th[data-col="1"]');
  await idle(page);
  const byName = [...clients].sort((a, b) => (a.Name.toUpperCase() < b.Name.toUpperCase() ? -1 : a.Name.toUpperCase() > b.Name.toUpperCase() ? 1 : 0));
  // The rows held lie around the selected client, wherever the sort put it.
  const first = Number(await page.getAttribute('#ClGrd tbody', 'data-first'));
  const names = await page.$$eval('#ClGrd tbody tr[data-row] td[data-col="1"]', (tds) => tds.map((td) => td.textContent));
  assert.deepEqual(names, byName.slice(first, first + names.length).map((c) => c.Name));
  assert.equal(await page.getAttribute('#ClGrd thead th[data-col="1"]', 'data-sort'), 'asc');
  assert.equal(await selectedCode(page), code);
  assert.ok(await selectedRowInView(page, 'ClGrd'));

  await page.click('#ClGrd thead th[data-col="1"]');
  await idle(page);
  assert.equal(await page.getAttribute('#ClGrd thead th[data-col="1"]', 'data-sort'), 'desc');
  await page.click('#ClGrd tbody tr.selected');
  await page.keyboard.press('Home');
  await idle(page);
  assert.equal(await page.textContent('#ClGrd tbody tr.selected td[data-col="1"]'), byName[byName.length - 1].Name);
});
