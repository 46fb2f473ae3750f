// Steps a clerk takes on the year's head screens: open a client's A.Y.
// 2016-17 from the dashboard, open a head, add rows and type them cell by
// cell with Tab, save and go back to the year.
import { idle, openClientYear } from './helpers.mjs';

// A grid's cell by row and column.
export const cell = (grid, row, col) => `#${grid} input.cell[data-row="${row}"][data-col="${col}"]`;

export const openYear = (page, client) => openClientYear(page, client, '2016-17');

// The year opened again: back to the dashboard, Enter on the same client.
export async function reopenYear(page) {
  await page.keyboard.press('Escape');
  await page.waitForSelector('#form_income');
  await idle(page);
  await page.keyboard.press('Enter');
  await page.waitForSelector('#form_subform');
}

export async function openHead(page, button, form) {
  await page.click('#' + button);
  await page.waitForSelector('#form_' + form);
  await idle(page);
}

// A screen reached from the business screen by its button, and back to the
// year through the business screen.
export async function openFromBusiness(page, button, form) {
  await openHead(page, 'cmd_business', 'objbusiness');
  await page.click('#' + button);
  await page.waitForSelector('#form_' + form);
  await idle(page);
}

export async function leaveToYearThroughBusiness(page) {
  await page.keyboard.press('Escape');
  await page.waitForSelector('#form_objbusiness');
  await idle(page);
  await leaveHead(page);
}

export async function leaveHead(page) {
  await page.keyboard.press('Escape');
  await page.waitForSelector('#form_subform');
  await idle(page);
}

// Types the cells of a row from the one that has the keyboard, Tab after each.
export async function typeRow(page, cells) {
  for (const text of cells) {
    if (text) await page.keyboard.type(text);
    await page.keyboard.press('Tab');
  }
  await idle(page);
}

export async function addRow(page, button, cells) {
  await page.click('#' + button);
  await idle(page);
  await typeRow(page, cells);
}

// A row chosen by a click on its first cell.
export async function clickRow(page, grid, row) {
  await page.click(`#${grid} tbody tr[data-row="${row}"] td[data-col="0"]`);
  await idle(page);
}

export async function saveAndLeave(page) {
  await page.click('#cmdSave');
  await idle(page);
  await leaveHead(page);
}
