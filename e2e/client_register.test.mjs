import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn } from './helpers.mjs';

let practice;

// A person types slower than the screen answers: wait until no event is on its way.
const idle = (page) => page.waitForFunction(() => document.getElementById('busy').hidden);
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

test('a new individual client with a corrected PAN is found in the list by its PAN', async () => {
  const page = await signIn(practice);
  await page.click('#openIncomeTax');
  await page.waitForSelector('#cmdNewClient');
  await page.click('#cmdNewClient');
  await page.waitForSelector('#txtfnm');
  await page.fill('#txtcode', 'NEW01');
  await page.fill('#txtfnm', 'Tara');
  await page.fill('#txtlnm', "D'Souza");
  await page.fill('#txtpan', 'ABCDE1234F');  // the fourth letter is no status the department gives
  await page.press('#txtpan', 'Tab');
  await page.waitForSelector('#dialog:not([hidden])');
  assert.equal(await page.textContent('#dialogText'), 'Invalid PAN !');
  assert.equal(await page.getAttribute('#dialog', 'data-icon'), 'exclamation');
  await page.click('#dialogOK');
  await page.waitForSelector('#dialog', { state: 'hidden' });
  await idle(page);
  await page.fill('#txtpan', 'ABCPD1234F');
  await page.click('#cmdsave');
  await page.waitForFunction(() => document.querySelector('h1.caption').textContent === 'Client Register: NEW01');
  await page.click('#cmdback');
  await page.waitForSelector('#form_income');
  await idle(page);
  await page.fill('#TxtS10', 'ABCPD1234F');
  await page.waitForFunction(() => document.querySelector('#lblRecCount').textContent === 'No. of Records : 1');
  // Typed letters arrive upper-cased, as every validating box upper-cases its keys.
  assert.equal(await page.textContent('#ClGrd tbody tr.selected td[data-col="1"]'), "TARA D'SOUZA");
});
