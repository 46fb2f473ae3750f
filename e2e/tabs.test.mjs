// Two tabs of one sign-in: each has screens of its own, so what one tab
// opens never takes over the screen of the other, and neither loses what
// was typed into it.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, meridian, idle, shown } from './helpers.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

async function typeSalary(page, amount) {
  await page.click('#txtfields0');
  await page.keyboard.type(amount);
  await page.keyboard.press('Tab');
  await idle(page);
}

const totalTax = (salary) => shown(JSON.parse(meridian(['estimate', '--json'], practice.dataDir,
  JSON.stringify({ ay: '2017-18', status: 'Individual', salary }))).total_tax);

test('a second tab opens its own screens and the first keeps its estimate', async () => {
  const first = await signIn(practice);
  await first.click('#openEstimator');
  await first.waitForSelector('#txtfields0');
  await idle(first);
  await typeSalary(first, '1200000');

  const second = await first.context().newPage();
  await second.goto(practice.url);
  await second.waitForSelector('#home:not([hidden])');
  await second.click('#openIncomeTax');
  await second.waitForSelector('#ClGrd tbody tr[data-row]');
  await idle(second);

  // The first tab still holds the estimator with its figures, and it works.
  await first.bringToFront();
  assert.equal(await first.locator('#form_frmrevcalc').count(), 1);
  assert.equal(await first.inputValue('#txtfields0'), '1200000.00');
  await typeSalary(first, '1500000');
  assert.equal(await first.inputValue('#txtfields28'), totalTax(1500000));

  // ... and the second still shows its list.
  await second.bringToFront();
  await second.locator('#ClGrd tbody tr[data-row]').nth(3).click();
  await idle(second);
  assert.equal(await second.locator('#form_income').count(), 1);
  assert.equal(await second.locator('#ClGrd tbody tr.selected').getAttribute('data-row'), '3');

  // A reloaded tab goes on with its own screen.
  await first.reload();
  await first.waitForSelector('#form_frmrevcalc');
  await idle(first);
  assert.equal(await first.inputValue('#txtfields0'), '1500000.00');
  assert.equal(await first.inputValue('#txtfields28'), totalTax(1500000));
});
