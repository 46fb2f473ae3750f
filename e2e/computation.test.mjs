// A demo client's year, its computation settings and its printed
// computation, as a practitioner reaches them: the year opened from the
// dashboard, "Set&Up" and "Com&Putation" of the year's screen, the print
// preview and its PDF. Until the year's screen carries those two buttons
// the test opens the same registered screens through the page's host menu
// (F1), as a button of that menu would.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, idle, messageText, openClientYear } from './helpers.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

// The year's screen's button, or the host menu's entry for the same screen.
async function openFromYear(page, button, screen) {
  if (await page.locator('#' + button).count()) {
    await page.click('#' + button);
  } else {
    await page.keyboard.press('F1');
    await page.waitForSelector('#home:not([hidden])');
    await page.evaluate(([id, name]) => {
      const entry = document.createElement('button');
      entry.id = id;
      entry.dataset.open = name;
      entry.dataset.mode = '0';
      entry.textContent = name;
      document.getElementById('home').appendChild(entry);
    }, ['menu_' + screen, screen]);
    await page.click('#menu_' + screen);
  }
  await page.waitForSelector('#form_' + screen);
  await idle(page);
}

test('a demo client\'s computation opens, previews and downloads as a PDF', async () => {
  const page = await signIn(practice);
  await openClientYear(page, 'C0801', '2016-17');
  await openFromYear(page, 'cmdcomp', 'Form1');
  const captions = await page.locator('#flex tbody tr td:first-child').allTextContents();
  assert.ok(captions.includes('GROSS TOTAL INCOME'), captions.join('|'));
  assert.ok(captions.includes('LOSSES TABLE'));

  const [preview] = await Promise.all([page.context().waitForEvent('page'), page.click('#Prt')]);
  await preview.waitForLoadState();
  assert.match(await preview.textContent('#reportTitle'), /^Income-Tax Computation of RAMESH KUMAR IYER/);
  const text = await preview.locator('.page').first().textContent();
  assert.ok(text.includes('COMPUTATION OF TOTAL INCOME'));
  assert.ok(text.includes('Amount (₹)'));
  assert.ok(text.includes('12,00,000'), 'Indian digit grouping');

  const [download] = await Promise.all([preview.waitForEvent('download'), preview.click('#downloadPdf')]);
  const path = await download.path();
  const { readFileSync } = await import('node:fs');
  assert.equal(readFileSync(path).subarray(0, 5).toString(), '%PDF-');
});

test('the computation settings are saved on leaving and shown again', async () => {
  const page = await signIn(practice);
  await openClientYear(page, 'C0802', '2016-17');
  await openFromYear(page, 'cmdsetup', 'frmsetup1');
  assert.equal(await page.isChecked('#Check2'), true, 'a new year computes 234B');
  await page.click('#Check2');
  await page.click('#Option4');
  await idle(page);
  // "Upto Input date" with no date is refused and nothing is left.
  await page.keyboard.press('Escape');
  assert.equal(await messageText(page), 'Please Enter Date.');
  await page.keyboard.press('Enter');
  await idle(page);
  // Back to "Upto date": nothing more to refuse.
  await page.click('#Option3');
  await idle(page);
  await page.keyboard.press('Escape');
  await page.waitForSelector('#form_frmsetup1', { state: 'detached' });
  await idle(page);

  await openFromYear(page, 'cmdsetup', 'frmsetup1');
  assert.equal(await page.isChecked('#Check2'), false);
  assert.equal(await page.isChecked('#Option3'), true);
});

test('the date of computation typed inside its frame reaches the screen and is kept', async () => {
  const page = await signIn(practice);
  await openClientYear(page, 'C0803', '2016-17');
  await openFromYear(page, 'cmdsetup', 'frmsetup1');
  await page.click('#Option4');
  await idle(page);
  // Leaving without a date is refused and the focus sent back to the box;
  // the date is then typed there and the screen left with Escape.
  await page.keyboard.press('Escape');
  assert.equal(await messageText(page), 'Please Enter Date.');
  await page.keyboard.press('Enter');
  await idle(page);
  await page.keyboard.type('15062016');
  assert.equal(await page.inputValue('#txtdof'), '15/06/2016');
  await page.keyboard.press('Escape');
  await page.waitForSelector('#form_frmsetup1', { state: 'detached' });
  await idle(page);

  await openFromYear(page, 'cmdsetup', 'frmsetup1');
  assert.equal(await page.isChecked('#Option4'), true);
  assert.equal(await page.inputValue('#txtdof'), '15/06/2016');
});

// The company's unabsorbed depreciation of A.Y. 2014-15 (Rs. 38,00,000) spread
// over the heads on the computation's panel, typed key by key: a head's
// amount above its income and a total short of the sum are refused with
// their messages, the status line tells the balance, and the accepted
// amounts are there when the panel is opened again.
test('the unabsorbed depreciation set-off is typed, refused, accepted and kept', async () => {
  const page = await signIn(practice);
  await openClientYear(page, 'C0826', '2016-17');
  await openFromYear(page, 'cmdcomp', 'Form1');
  await page.click('#mnuundepr');
  await page.waitForSelector('#fraundepr:not([hidden])');
  await idle(page);
  assert.equal((await page.textContent('#lblundeprtot')).trim(), 'Unabsorbed Depreciation to be set-off : 3800000.00');
  const heads = (await page.locator('#vsundepr tbody tr td[data-col="0"]').allTextContents()).map((t) => t.trim());
  const business = heads.indexOf('Business (Other than Speculation)');
  const other = heads.indexOf('Income from Other Sources');
  assert.ok(business >= 0 && other >= 0, heads.join('|'));
  const setOff = (row) => `#vsundepr input.cell[data-row="${row}"][data-col="2"]`;
  const typeInto = async (row, digits) => {
    await page.click(setOff(row));
    await page.keyboard.press('Control+A');
    await page.keyboard.type(digits);
    await page.keyboard.press('Tab');
  };

  // More than the other sources' income of Rs. 1,50,000.
  await typeInto(other, '200000');
  assert.equal(await messageText(page), 'Value can not be greater than 150000.00');
  await page.keyboard.press('Enter');
  await idle(page);

  await typeInto(business, '3000000');
  await idle(page);
  assert.equal((await page.textContent('#lblundeprbal')).trim(), 'Balance Unabsorbed Depreciation to be set-off : 800000.00');
  await page.click('#cmdundeprok');
  assert.equal(await messageText(page), 'Unabsorbed Depreciation Set Off Amount Should be 3800000.00');
  await page.keyboard.press('Enter');
  await idle(page);

  await typeInto(business, '3800000');
  await idle(page);
  assert.equal((await page.textContent('#lblundeprbal')).trim(), '');
  await page.click('#cmdundeprok');
  await idle(page);
  assert.equal(await page.isVisible('#fraundepr'), false, 'the panel closes once accepted');

  await page.click('#mnuundepr');
  await page.waitForSelector('#fraundepr:not([hidden])');
  await idle(page);
  assert.equal(await page.inputValue(setOff(business)), '3800000.00', 'stored and read back');
  assert.equal(await page.inputValue(setOff(other)), '0.00');
});
