// A trader's General Information entered as a clerk enters it: the year's
// "General Information (B/S, P&L)" opens the screen, the no-account figures
// are typed key by key, a net profit that is not gross profit less expenses
// is refused with the return's words, mended; enclosures are listed, one
// chosen by a click and deleted; saved; the computation settings switch on
// the profit and loss account, the balance sheet and the annexures, and the
// print preview of the computation shows what was typed.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, idle, messageText, openClientYear } from './helpers.mjs';
import { openHead, leaveHead, addRow, clickRow } from './head_screen_steps.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

const TRADER = 'C0821';

async function typeInto(page, box, text) {
  await page.click('#' + box);
  await page.keyboard.press('Control+A');
  await page.keyboard.type(text);
  await page.keyboard.press('Tab');
  await idle(page);
}

test('the no-account figures are typed, refused, mended, saved and printed with the computation', async () => {
  const page = await signIn(practice);
  await openClientYear(page, TRADER, '2016-17');
  assert.equal(await page.textContent('#cmdgen'), 'General Information (B/S, P&L)');
  await openHead(page, 'cmdgen', 'GetGenInfo');

  await page.focus('#cboBooks');
  await page.keyboard.press('N');
  await idle(page);
  assert.equal(await page.$eval('#cboBooks', (s) => s.options[s.selectedIndex].text), 'No');
  await typeInto(page, 'txtGrossReceipts', '1500000');
  await typeInto(page, 'txtGrossProfit', '300000');
  await typeInto(page, 'txtExpenses', '120000');
  await typeInto(page, 'txtNetProfit', '190000');
  await typeInto(page, 'txtSundryDebtors', '45000');
  await typeInto(page, 'txtStock', '82000');

  await page.click('#cmdSave');
  assert.equal(await messageText(page), 'Sch-PL (No Account Case) : Net Profit should be Gross Profit - Expenses');
  await page.keyboard.press('Enter');
  await idle(page);
  // The refusal hands the keyboard back to the net profit.
  await page.keyboard.press('Control+A');
  await page.keyboard.type('180000');
  await page.keyboard.press('Tab');
  await idle(page);
  await addRow(page, 'cmdAddEncl', ['Copy of bank statement']);
  await addRow(page, 'cmdAddEncl', ['Typed by mistake']);
  await addRow(page, 'cmdAddEncl', ['Stock statement']);
  await clickRow(page, 'vsfEnclosures', 1);
  await page.click('#cmdDelEncl');
  assert.equal(await messageText(page), 'Do you want to delete the selected row?');
  await page.click('#dialogYes');
  await idle(page);
  assert.equal(await page.locator('#vsfEnclosures tbody tr[data-row]').count(), 2);
  await page.click('#cmdSave');
  await idle(page);
  await leaveHead(page);

  await openHead(page, 'cmdgen', 'GetGenInfo');
  assert.equal(await page.inputValue('#txtNetProfit'), '180000.00');
  assert.equal(await page.inputValue('#txtStock'), '82000.00');
  await leaveHead(page);

  // Profit && Loss A/c and Balance Sheet on the computation settings.
  await page.click('#cmdsetup');
  await page.waitForSelector('#form_frmsetup1');
  await idle(page);
  await page.click('#chkcompoth5');
  await page.click('#chkcompoth4');
  await page.click('#chkcompanx');
  await idle(page);
  await page.keyboard.press('Escape');
  await page.waitForSelector('#form_frmsetup1', { state: 'detached' });
  await idle(page);

  await page.click('#cmdcomp');
  await page.waitForSelector('#form_Form1');
  await idle(page);
  const [preview] = await Promise.all([page.context().waitForEvent('page'), page.click('#Prt')]);
  await preview.waitForLoadState();
  const text = (await preview.locator('.page').allTextContents()).join('\n');
  assert.ok(text.includes('Profit & Loss Account (Regular books of account of business or profession are'), text);
  assert.match(text, /Gross Receipts\s+15,00,000/);
  assert.match(text, /Net Profit\s+1,80,000/);
  assert.match(text, /Stock-in-trade\s+82,000/);
  assert.match(text, /List of Enclosures:\s*1\.\s+COPY OF BANK STATEMENT\s*2\.\s+STOCK STATEMENT/);
  assert.ok(!text.includes('TYPED BY MISTAKE'));
});
