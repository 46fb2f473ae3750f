// The client register typed as a clerk types: key by key, with Tab, Enter,
// clicks and the message boxes the boxes raise.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, idle, messageText } from './helpers.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

async function newClient(page) {
  await page.click('#openIncomeTax');
  await page.waitForSelector('#cmdNewClient');
  await idle(page);
  await page.click('#cmdNewClient');
  await page.waitForSelector('#txtfnm');
  await idle(page);
}

const focusedId = (page) => page.evaluate(() => document.activeElement.id);

test('a new individual client with a corrected PAN is found in the list by its PAN', async () => {
  const page = await signIn(practice);
  await newClient(page);
  assert.equal(await focusedId(page), 'cbostatus', 'New Client puts the focus in its first box');
  await page.click('#txtcode');
  await page.keyboard.type('NEW01');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  await page.keyboard.type('tara');
  // Free text is upper-cased as it is typed, as the server does when it saves.
  assert.equal(await page.inputValue('#txtfnm'), 'TARA');
  assert.equal(await page.$eval('#txtfnm', (el) => getComputedStyle(el).backgroundColor), 'rgb(255, 224, 192)');
  await page.click('#txtlnm');
  await page.keyboard.type("d'souza");
  assert.equal(await page.$eval('#txtfnm', (el) => getComputedStyle(el).backgroundColor), 'rgb(255, 255, 255)');

  await page.click('#txtpan');
  await page.keyboard.type('ABCDE1234F'); // the fourth letter is no status the department gives
  await page.keyboard.press('Tab');
  assert.equal(await messageText(page), 'Invalid PAN !');
  assert.equal(await page.getAttribute('#dialog', 'data-icon'), 'exclamation');
  await page.keyboard.press('Enter');
  await idle(page);
  assert.equal(await focusedId(page), 'txtpan', 'a refused PAN keeps the focus');
  await page.keyboard.type('ABCPD1234F'); // the whole refused text was selected: retyped, not added to
  await page.click('#cmdsave');
  await page.waitForFunction(() => document.querySelector('h1.caption').textContent === 'Client Register: NEW01');
  await idle(page);
  assert.equal(await page.textContent('#statusLine'), 'Client NEW01 saved.', 'a save says so without a click');
  await page.click('#cmdback');
  await page.waitForSelector('#form_income');
  await idle(page);
  await page.click('#TxtS10');
  await page.keyboard.type('ABCPD1234F');
  await page.waitForFunction(() => document.querySelector('#lblRecCount').textContent === 'No. of Records : 1');
  await idle(page);
  assert.equal(await page.textContent('#ClGrd tbody tr.selected td[data-col="1"]'), "TARA D'SOUZA");
});

test('a key-filter message closes with Enter and the next keys land in the box', async () => {
  const page = await signIn(practice);
  await newClient(page);
  await page.click('#txtmobile');
  await page.keyboard.type('98,');
  assert.equal(await messageText(page), 'Enter Numeric value');
  // Keys typed ahead of the message press nothing and go nowhere.
  await page.keyboard.type('5 ');
  assert.equal(await page.isVisible('#dialog'), true);
  await page.keyboard.press('Enter');
  await page.keyboard.type('76543210');
  assert.equal(await page.inputValue('#txtmobile'), '9876543210');

  // A dash in the PAN is the key filter's refusal, not the PAN check's.
  await page.click('#txtpan');
  await page.keyboard.type('AB-');
  assert.equal(await messageText(page), 'Enter AlphaNumeric Characters Only');
  await page.keyboard.press('Enter');
  await page.keyboard.type('C');
  await idle(page);
  assert.equal(await page.inputValue('#txtpan'), 'ABC');
  assert.equal(await page.isVisible('#dialog'), false, 'no PAN check ran: the box was never left');
});

test('a mobile number retyped after a click replaces the one before', async () => {
  const page = await signIn(practice);
  await newClient(page);
  await page.click('#txtcode');
  await page.keyboard.type('NEW02');
  await page.click('#txtfnm');
  await page.keyboard.type('Ravi');
  await page.click('#txtmobile');
  await page.keyboard.type('9910766565');
  await page.click('#cmdsave');
  await page.waitForFunction(() => document.querySelector('h1.caption').textContent === 'Client Register: NEW02');
  await idle(page);
  await page.click('#txtmobile');
  await page.keyboard.type('9876543210');
  assert.equal(await page.inputValue('#txtmobile'), '9876543210');
  await page.click('#cmdsave');
  await idle(page);
  assert.equal(await page.inputValue('#txtmobile'), '9876543210');
  assert.equal(await page.textContent('#statusLine'), 'Client NEW02 saved.');
});
