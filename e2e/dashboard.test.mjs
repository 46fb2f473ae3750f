import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, meridian, idle } from './helpers.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

const masks = {
  acknowledgement: (pan) => 'xxx' + pan.slice(3, 9) + 'x',
  intimation: (pan) => pan.slice(0, 3) + 'xxxxx' + pan.slice(8),
};

// A client that each masked form of its PAN finds alone, picked from the
// list the command line gives for the same rules.
function clientFoundByMasks() {
  const clients = JSON.parse(meridian(['clients', '--json'], practice.dataDir));
  const unique = (mask) => (c) => clients.filter((o) => o.PAN.length === 10 &&
    (mask === 'acknowledgement' ? o.PAN.slice(3, 9) === c.PAN.slice(3, 9)
      : o.PAN.slice(0, 3) === c.PAN.slice(0, 3) && o.PAN.slice(8) === c.PAN.slice(8))).length === 1;
  return clients.find((c) => c.PAN.length === 10 && unique('acknowledgement')(c) && unique('intimation')(c));
}

async function rowCount(page) {
  return Number((await page.textContent('#lblRecCount')).replace('No. of Records : ', ''));
}

test('a client is found by either masked PAN, opened with Enter and left with Escape', async () => {
  const client = clientFoundByMasks();
  assert.ok(client, 'the demo practice has a client whose masked PANs are unique');
  const page = await signIn(practice);
  await page.click('#openIncomeTax');
  await page.waitForSelector('#ClGrd tbody tr');
  const all = await rowCount(page);
  assert.ok(all > 300);

  for (const [form, mask] of Object.entries(masks)) {
    await page.click('#TxtS10');
    await page.keyboard.press('Control+A');
    await page.keyboard.type(mask(client.PAN));
    await page.waitForFunction(() => document.querySelector('#lblRecCount').textContent === 'No. of Records : 1');
    assert.equal(await page.textContent('#ClGrd tbody tr.selected td[data-col="0"]'), client.Code, form);
    await page.keyboard.press('Enter');
    await page.waitForSelector('#form_subform');
    await idle(page);
    assert.equal(await page.textContent('#form_subform h1.caption'),
      `Income Tax calculation for Assessment Year 2017-18 of ${client.Name}`);
    await page.keyboard.press('Escape');
    await page.waitForSelector('#form_income');
    assert.equal(await page.inputValue('#TxtS10'), mask(client.PAN), 'the search stays as it was');
  }
  await page.click('#TxtS10');
  await page.keyboard.press('Control+A');
  await page.keyboard.press('Backspace');
  await page.waitForFunction((n) => document.querySelector('#lblRecCount').textContent === 'No. of Records : ' + n, all);
});

test('a summary of a year prints to a preview', async () => {
  const page = await signIn(practice);
  await page.click('#openSummaries');
  await page.waitForSelector('#cmdshow');
  await page.selectOption('#cbosummrepAY', '2015-16');
  await idle(page);
  await page.click('#cmdshow');
  await page.waitForSelector('#vsfsummary tbody tr');
  assert.ok(await page.locator('#vsfsummary tbody tr').count() > 50);
  const [preview] = await Promise.all([page.context().waitForEvent('page'), page.click('#cmdprev')]);
  await preview.waitForLoadState();
  assert.equal(await preview.textContent('#reportTitle'), 'Summarized Details for the Assessment Year 2015-16');
  assert.ok(await preview.locator('.page').count() >= 1);
});

test('Escape on the dashboard goes back to the menu', async () => {
  const page = await signIn(practice);
  await page.click('#openIncomeTax');
  await page.waitForSelector('#ClGrd');
  await page.keyboard.press('Escape');
  await page.waitForSelector('#home:not([hidden])');
  assert.equal(await page.locator('#form_income').count(), 0);
});
