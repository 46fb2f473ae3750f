import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn } from './helpers.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

test('a wrong password is refused and the right one signs in', async () => {
  const context = await practice.browser.newContext();
  const page = await context.newPage();
  await page.goto(practice.url);
  assert.match(page.url(), /\/signin$/);
  await page.click('#username');
  await page.keyboard.type('clerk');
  await page.keyboard.press('Tab');
  await page.keyboard.type('not-the-password');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#signin-error');
  assert.equal(await page.textContent('#signin-error'), 'Wrong user name or password.');
  await context.close();
  const signed = await signIn(practice);
  assert.equal(await signed.textContent('#currentUser'), 'clerk');
});

test('the client list prints and its preview opens with pages and a PDF', async () => {
  const page = await signIn(practice);
  await page.click('#openReports');
  await page.waitForSelector('#cmdrepclients');
  const [preview] = await Promise.all([page.context().waitForEvent('page'), page.click('#cmdrepclients')]);
  await preview.waitForLoadState();
  assert.equal(await preview.textContent('#reportTitle'), 'Client List');
  const pages = await preview.locator('.page').count();
  assert.ok(pages >= 2, 'a practice of some hundred clients fills more than one page');
  assert.ok(await preview.isVisible('#print'));
  const pdf = await preview.request.get(new URL(await preview.getAttribute('#downloadPdf', 'href'), preview.url()).href);
  assert.equal(pdf.headers()['content-type'], 'application/pdf');
  assert.equal((await pdf.body()).subarray(0, 5).toString(), '%PDF-');
});
