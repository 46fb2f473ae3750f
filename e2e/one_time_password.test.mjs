import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice } from './helpers.mjs';

let practice;
before(async () => { practice = await startPractice({ clerk: false }); });
after(async () => { await practice.stop(); });

async function typeNewPassword(page, present, password) {
  await page.click('#current');
  await page.keyboard.type(present);
  await page.keyboard.press('Tab');
  await page.keyboard.type(password);
  await page.keyboard.press('Tab');
  await page.keyboard.type(password);
  await page.keyboard.press('Enter');
}

test('the one-time password cannot become the new password', async () => {
  assert.ok(practice.adminPassword, 'the server printed the administrator\'s one-time password');
  const page = await (await practice.browser.newContext()).newPage();
  await page.goto(practice.url + 'signin');
  await page.click('#username');
  await page.keyboard.type('admin');
  await page.keyboard.press('Tab');
  await page.keyboard.type(practice.adminPassword);
  await page.keyboard.press('Enter');
  await page.waitForURL(/\/password$/);

  await typeNewPassword(page, practice.adminPassword, practice.adminPassword);
  await page.waitForSelector('#password-error');
  assert.equal(await page.textContent('#password-error'), 'The new password must differ from the present one.');
  await page.goto(practice.url);
  assert.match(page.url(), /\/password$/, 'no screen opens before the password is replaced');

  await typeNewPassword(page, practice.adminPassword, 'a-password-of-my-own');
  await page.waitForSelector('#home:not([hidden])');
});
