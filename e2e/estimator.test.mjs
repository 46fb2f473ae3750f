// The tax estimator in the browser, typed as a clerk types: choices and
// amounts reach the server as the user leaves each field, the figures follow,
// and the instalment grid opens.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, meridian, idle, messageText, shown } from './helpers.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

// Enters an amount box with a click, types the figure and leaves with Tab.
async function typeAmount(page, id, amount) {
  await page.click('#' + id);
  await page.keyboard.type(amount);
  await page.keyboard.press('Tab');
  await idle(page);
}

async function choose(page, id, option) {
  await page.selectOption('#' + id, option);
  await idle(page);
}

// Waits until the screen shows the figure.
async function waitForValue(page, id, value) {
  await page.waitForFunction(([i, v]) => {
    const el = document.getElementById(i);
    return el && el.value === v && document.body.dataset.idle === '1';
  }, [id, value]);
}

function cli(input) {
  return JSON.parse(meridian(['estimate', '--json'], practice.dataDir, JSON.stringify(input)));
}

async function gridRows(page) {
  return page.$$eval('#vsf3 tbody tr[data-row]', (rows) => rows.map((tr) => Array.from(tr.cells, (td) => td.textContent)));
}

async function openEstimator(page) {
  await page.click('#openEstimator');
  await page.waitForSelector('#Combo1');
  await idle(page);
}

test('an estimate typed on the screen shows the figures of the command line and its instalments', async () => {
  const page = await signIn(practice);
  await openEstimator(page);
  assert.equal(await page.inputValue('#Combo1'), '2017-18', 'the latest year comes first');
  assert.equal(await page.isVisible('#chkResAssInState'), false);

  await choose(page, 'Combo1', '2015-16');
  assert.equal((await page.textContent('label:has(#chkResAssInState)')).trim(), 'Assessee in the State of Jammu & Kashmir');

  await choose(page, 'Combo1', '2016-17');
  await choose(page, 'Combo2', 'Individual');
  assert.equal((await page.textContent('label:has(#chkResAssInState)')).trim(),
    'Assessee in the State of Tamil Nadu or Union territory of Puducherry');
  assert.equal(await page.inputValue('#txtfields28'), '0', 'nothing typed, no tax');

  await typeAmount(page, 'txtfields0', '1800000');
  await typeAmount(page, 'txtfields9', '45000');
  await typeAmount(page, 'txtfields23', '100000');
  await typeAmount(page, 'txtfields32', '75000');
  const expected = cli({ ay: '2016-17', status: 'Individual', salary: 1800000, other: 45000, tds: 100000,
    advance_paid: [0, 75000] });
  assert.ok(expected.total_tax > 0 && expected.interest_234c > 0);
  await waitForValue(page, 'txtfields30', shown(expected.payable));
  assert.equal(await page.inputValue('#txtfields28'), shown(expected.total_tax), 'Total Tax');
  assert.equal(await page.inputValue('#txtfields24'), shown(expected.tax), 'Tax');
  assert.equal(await page.inputValue('#txtfields29'), shown(expected.interest_234c), 'Int. u/s 234C');
  assert.equal(await page.inputValue('#txtfields0'), '1800000.00', 'a typed amount keeps no grouping');

  assert.equal(await page.isVisible('#vsf3'), false);
  await page.click('#cmdAdvTax');
  await page.waitForSelector('#vsf3', { state: 'visible' });
  await idle(page);
  const rows = await gridRows(page);
  assert.deepEqual(rows.map((r) => r[0]),
    ['Upto 15/06', '16/06 to 15/09', '16/09 to 15/12', '16/12 to 15/03', '16/03 to 31/03']);
  assert.deepEqual(rows.map((r) => r.slice(1)), expected.instalments.map((i) =>
    [i.due_date, shown(i.due), shown(i.paid), shown(i.interest)]));

  await page.keyboard.press('Escape');
  await idle(page);
  assert.equal(await page.isVisible('#vsf3'), false, 'Escape closes the grid and leaves the screen open');
  assert.equal(await page.isVisible('#Combo1'), true);
});

test('a figure retyped after Shift+Tab or after a click replaces the one before', async () => {
  const page = await signIn(practice);
  await openEstimator(page);
  await typeAmount(page, 'txtfields0', '1200000');
  await page.keyboard.press('Shift+Tab');
  await page.keyboard.type('1500000');
  await page.keyboard.press('Tab');
  await idle(page);
  assert.equal(await page.inputValue('#txtfields0'), '1500000.00');
  const after = cli({ ay: '2017-18', status: 'Individual', salary: 1500000 });
  await waitForValue(page, 'txtfields28', shown(after.total_tax));

  await typeAmount(page, 'txtfields0', '900000');
  assert.equal(await page.inputValue('#txtfields0'), '900000.00', 'a click selects the figure it enters');
  await waitForValue(page, 'txtfields28', shown(cli({ ay: '2017-18', status: 'Individual', salary: 900000 }).total_tax));
});

test('a click right after typing an amount is not lost', async () => {
  const page = await signIn(practice);
  await openEstimator(page);
  await choose(page, 'Combo2', 'Firm');
  await page.click('#txtfields4');
  await page.keyboard.type('1000000');
  // Straight from the amount to the button: the box's lostfocus goes first.
  await page.click('#cmdAdvTax');
  const expected = cli({ ay: '2017-18', status: 'Firm', business_ordinary: 1000000 });
  await waitForValue(page, 'txtfields28', shown(expected.total_tax));
  await page.waitForSelector('#vsf3', { state: 'visible' });
  assert.deepEqual((await gridRows(page)).map((r) => r[2]), expected.instalments.map((i) => shown(i.due)));
});

test('the rebate label and the income-type rule', async () => {
  const page = await signIn(practice);
  await openEstimator(page);
  await typeAmount(page, 'txtfields0', '400000');
  const expected = cli({ ay: '2017-18', status: 'Individual', salary: 400000 });
  assert.ok(expected.rebate > 0 && expected.rebate_sections === '87A');
  await waitForValue(page, 'txtfields28', shown(expected.total_tax));
  assert.equal((await page.textContent('#lblreb87A')).trim(), 'After Rebate u/s 87A of Rs. ' + expected.rebate);

  for (const box of ['Check10', 'Check11', 'Check12', 'Check13']) await page.click('#' + box);
  await waitForValue(page, 'txtfields28', '0');
  assert.equal(await page.isChecked('#Check13'), false);
  assert.equal(await page.isVisible('#fraSalary'), false);
  assert.equal(await page.isVisible('#fraCapitalGain'), false);

  await page.click('#Check14');
  assert.equal(await messageText(page), 'Atleast a Type of Income should be Selected.');
  await page.keyboard.press('Enter');
  await idle(page);
  assert.equal(await page.isChecked('#Check14'), true, 'the last type stays ticked');
  assert.equal(await page.isVisible('#fraOtherIncome'), true);
});

test('a negative amount is refused, not counted as nothing', async () => {
  const page = await signIn(practice);
  await openEstimator(page);
  await typeAmount(page, 'txtfields0', '600000');
  await waitForValue(page, 'txtfields24', shown(cli({ ay: '2017-18', status: 'Individual', salary: 600000 }).tax));
  await page.click('#txtfields9');
  await page.keyboard.type('-500');
  await page.keyboard.press('Tab');
  assert.equal(await messageText(page), 'Amount can not be negative. Please enter the amount without a minus sign.');
  await page.keyboard.press('Enter');
  await idle(page);
  await waitForValue(page, 'txtfields24', '');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'txtfields9', 'the focus is back in the box');
});
