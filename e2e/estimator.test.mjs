// The tax estimator in the browser: choices and amounts reach the server as the
// user leaves each field, the figures follow, and the instalment grid opens.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, meridian } from './helpers.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

// Runs one user action that sends an event, and waits until the screen the
// server answered with has replaced the one on the page.
async function act(page, action, whileWaiting = async () => {}) {
  await page.evaluate(() => { document.querySelector('form.screen').dataset.stale = '1'; });
  await action();
  await whileWaiting();
  await page.waitForSelector('form.screen:not([data-stale])');
}

// Waits until no event is on its way to the server.
async function idle(page) {
  await page.waitForFunction(() => document.getElementById('busy').hidden);
}

// Types an amount and leaves the box with Tab. Entering the box may itself send
// the lostfocus of the box left, and the screen that answers it would replace
// what is typed meanwhile; a person types slower than that answer comes.
async function typeAmount(page, id, amount) {
  await page.focus('#' + id);
  await idle(page);
  await page.fill('#' + id, amount);
  await act(page, () => page.press('#' + id, 'Tab'));
}

// Waits until the screen shows the figure.
async function waitForValue(page, id, value) {
  await page.waitForFunction(([i, v]) => {
    const el = document.getElementById(i);
    return el && el.value === v && document.getElementById('busy').hidden;
  }, [id, value]);
}

function cli(input) {
  return JSON.parse(meridian(['estimate', '--json'], practice.dataDir, JSON.stringify(input)));
}

async function gridRows(page) {
  return page.$$eval('#vsf3 tbody tr', (rows) => rows.map((tr) => Array.from(tr.cells, (td) => td.textContent)));
}

async function openEstimator(page) {
  await page.click('#openEstimator');
  await page.waitForSelector('#Combo1');
}

test('an estimate typed on the screen shows the figures of the command line and its instalments', async () => {
  const page = await signIn(practice);
  await openEstimator(page);
  assert.equal(await page.inputValue('#Combo1'), '2017-18', 'the latest year comes first');
  assert.equal(await page.isVisible('#chkResAssInState'), false);

  await act(page, () => page.selectOption('#Combo1', '2015-16'));
  assert.equal((await page.textContent('label:has(#chkResAssInState)')).trim(), 'Assessee in the State of Jammu & Kashmir');

  await act(page, () => page.selectOption('#Combo1', '2016-17'));
  await act(page, () => page.selectOption('#Combo2', 'Individual'));
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
  await waitForValue(page, 'txtfields30', String(expected.payable));
  assert.equal(await page.inputValue('#txtfields28'), String(expected.total_tax), 'Total Tax');
  assert.equal(await page.inputValue('#txtfields24'), String(expected.tax), 'Tax');
  assert.equal(await page.inputValue('#txtfields29'), String(expected.interest_234c), 'Int. u/s 234C');

  assert.equal(await page.isVisible('#vsf3'), false);
  await act(page, () => page.click('#cmdAdvTax'));
  await page.waitForSelector('#vsf3', { state: 'visible' });
  const rows = await gridRows(page);
  assert.deepEqual(rows.map((r) => r[0]),
    ['Upto 15/06', '16/06 to 15/09', '16/09 to 15/12', '16/12 to 15/03', '16/03 to 31/03']);
  assert.deepEqual(rows.map((r) => r.slice(1)), expected.instalments.map((i) =>
    [i.due_date, String(i.due), String(i.paid), String(i.interest)]));

  await act(page, () => page.keyboard.press('Escape'));
  assert.equal(await page.isVisible('#vsf3'), false, 'Escape closes the grid and leaves the screen open');
  assert.equal(await page.isVisible('#Combo1'), true);
});

test('a click right after typing an amount is not lost', async () => {
  const page = await signIn(practice);
  await openEstimator(page);
  await act(page, () => page.selectOption('#Combo2', 'Firm'));
  await page.fill('#txtfields4', '1000000');
  // Straight from the amount to the button: the box's lostfocus goes first.
  await page.click('#cmdAdvTax');
  const expected = cli({ ay: '2017-18', status: 'Firm', business_ordinary: 1000000 });
  await waitForValue(page, 'txtfields28', String(expected.total_tax));
  await page.waitForSelector('#vsf3', { state: 'visible' });
  assert.deepEqual((await gridRows(page)).map((r) => r[2]), expected.instalments.map((i) => String(i.due)));
});

test('the rebate label and the income-type rule', async () => {
  const page = await signIn(practice);
  await openEstimator(page);
  await typeAmount(page, 'txtfields0', '400000');
  const expected = cli({ ay: '2017-18', status: 'Individual', salary: 400000 });
  assert.ok(expected.rebate > 0 && expected.rebate_sections === '87A');
  await waitForValue(page, 'txtfields28', String(expected.total_tax));
  assert.equal((await page.textContent('#lblreb87A')).trim(), 'After Rebate u/s 87A of Rs. ' + expected.rebate);

  for (const box of ['Check10', 'Check11', 'Check12', 'Check13']) await page.click('#' + box);
  await waitForValue(page, 'txtfields28', '0');
  await page.waitForFunction(() => !document.getElementById('Check13').checked && document.getElementById('busy').hidden);
  assert.equal(await page.isVisible('#fraSalary'), false);
  assert.equal(await page.isVisible('#fraCapitalGain'), false);

  let said;
  await act(page, () => page.click('#Check14'), async () => {
    await page.waitForSelector('#dialog:not([hidden])');
    said = await page.textContent('#dialogText');
    await page.click('#dialogOK');
  });
  assert.equal(said, 'Atleast a Type of Income should be Selected.');
  assert.equal(await page.isChecked('#Check14'), true, 'the last type stays ticked');
  assert.equal(await page.isVisible('#fraOtherIncome'), true);
});

test('a negative amount is refused, not counted as nothing', async () => {
  const page = await signIn(practice);
  await openEstimator(page);
  await typeAmount(page, 'txtfields0', '600000');
  await waitForValue(page, 'txtfields24', String(cli({ ay: '2017-18', status: 'Individual', salary: 600000 }).tax));
  await page.click('#txtfields9');
  await idle(page);
  await page.keyboard.type('-500');
  let said;
  await act(page, () => page.keyboard.press('Tab'), async () => {
    await page.waitForSelector('#dialog:not([hidden])');
    said = await page.textContent('#dialogText');
    await page.keyboard.press('Enter');
  });
  assert.equal(said, 'Amount can not be negative. Please enter the amount without a minus sign.');
  await waitForValue(page, 'txtfields24', '');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'txtfields9', 'the focus is back in the box');
});
