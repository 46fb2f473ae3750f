// The filing particulars of a salaried demo client typed into the return
// screen as a clerk types them: the section, refund into the bank, one
// account in the bank grid, and the verification.
import assert from 'node:assert/strict';
import { idle } from './helpers.mjs';

const cell = (row, col) => `#vsBA input.cell[data-row="${row}"][data-col="${col}"]`;

export async function typeSalariedParticulars(page) {
  await page.selectOption('#cbosection', 'Before due date - 139(1)');
  await idle(page);
  await page.selectOption('#cborefm', 'Deposited directly into bank account');
  await idle(page);
  const kept = await page.locator('#vsBA input.cell[data-col="1"]').count();
  await page.click('#cmdaddbank');
  await idle(page);
  for (const text of ['KAVERI CO-OPERATIVE BANK', 'KCBL0000523', '50100023456712']) {
    await page.keyboard.type(text);
    await page.keyboard.press('Tab');
  }
  await idle(page);
  // The accounts the year keeps stay first; the one typed comes after them.
  assert.equal(await page.inputValue(cell(kept, 1)), 'KCBL0000523');

  // The verification, typed as the client signs it.
  for (const [box, text] of [['#txtnm', 'RAMESH KUMAR IYER'], ['#txtfnm', 'KRISHNAN IYER'], ['#txtPAN', 'aghpi4521k'],
    ['#txtPlace', 'BENGALURU']]) {
    await page.click(box);
    await page.keyboard.press('Control+A');
    await page.keyboard.type(text);
    await page.keyboard.press('Tab');
    await idle(page);
  }
}

// The message of the screen after its checks, past a note of what could not
// be examined (told before the e-return is written, with OK).
export async function messagePastNotes(page, messageText) {
  let told = await messageText(page);
  if (told.startsWith('All checks before the return have passed') && told.includes('Not examined:')) {
    await page.click('#dialogOK');
    await page.waitForFunction((before) => document.getElementById('dialogText').textContent !== before, told);
    told = await messageText(page);
  }
  return told;
}
