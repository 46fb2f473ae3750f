// A member's shares of AOPs entered as a clerk enters them: two AOPs typed row
// by row, the second (typed by mistake) chosen by a click and deleted, saved,
// the year opened again and read back, then computed from the command line,
// where the share of an AOP taxed at the maximum marginal rate is exempt.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, meridian, idle, messageText } from './helpers.mjs';
import { cell, openYear, reopenYear, openHead, leaveHead, addRow, clickRow, saveAndLeave } from './head_screen_steps.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

const CLIENT = 'C0002';
const rowCount = (page, grid) => page.locator(`#${grid} tbody tr[data-row]`).count();

test('shares of AOPs are typed, one deleted by a click, read back and computed under s.86', async () => {
  const page = await signIn(practice);
  await openYear(page, CLIENT);

  assert.equal(await page.textContent('#cmd_aop'), 'Share of Income as Member of AOP/BOI');
  await openHead(page, 'cmd_aop', 'Objaop');
  assert.match(await page.textContent('#form_Objaop h1.caption'), /^Share of Income as Member of AOP\/BOI/);
  await addRow(page, 'cmdAddAOP', ['Ganga Builders Consortium', 'AAAAG1234K', '25', '240000', 'M']);
  await addRow(page, 'cmdAddAOP', ['Wrong Venture', 'AAAAW1234K', '', '60000', 'N']);
  assert.equal(await rowCount(page, 'vsfAOPs'), 2);
  await clickRow(page, 'vsfAOPs', 1);
  await page.click('#cmdDelAOP');
  assert.equal(await messageText(page), 'Do you want to delete the selected row?');
  await page.click('#dialogYes');
  await idle(page);
  assert.equal(await rowCount(page, 'vsfAOPs'), 1);
  assert.match(await page.textContent('#lblTotals'), /Exempt u\/s 86 : 2,40,000\.00/);
  await saveAndLeave(page);

  await reopenYear(page);
  await openHead(page, 'cmd_aop', 'Objaop');
  assert.equal(await rowCount(page, 'vsfAOPs'), 1);
  assert.equal(await page.inputValue(cell('vsfAOPs', 0, 0)), 'GANGA BUILDERS CONSORTIUM');
  assert.equal(await page.inputValue(cell('vsfAOPs', 0, 1)), 'AAAAG1234K');
  assert.equal(await page.inputValue(cell('vsfAOPs', 0, 4)), 'Maximum Marginal Rate (s.167B)');
  await leaveHead(page);

  const figures = JSON.parse(meridian(['compute', '--client', CLIENT, '--ay', '2016-17', '--json'], practice.dataDir));
  assert.equal(figures.member_shares.exempt, 240000);
  assert.equal(figures.member_shares.included_rebated, 0);
});
