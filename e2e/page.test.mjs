// The page around the screens: the menu (F1), the favicon.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, idle } from './helpers.mjs';

let practice;
before(async () => { practice = await startPractice(); });
after(async () => { await practice.stop(); });

test('F1 opens the menu without blanking the page, over a screen too', async () => {
  const page = await signIn(practice);
  await idle(page);
  await page.keyboard.press('F1');
  assert.equal(await page.isVisible('#home'), true, 'F1 on the menu keeps the menu');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'openIncomeTax');

  await page.click('#openEstimator');
  await page.waitForSelector('#txtfields0');
  await idle(page);
  await page.click('#txtfields0');
  await page.keyboard.press('F1');
  await page.waitForSelector('#home:not([hidden])');
  assert.equal(await page.isVisible('#txtfields0'), true, 'the screen stays under the menu');
  await page.keyboard.press('Escape');
  await idle(page);
  assert.equal(await page.isVisible('#home'), false);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'txtfields0', 'the focus goes back');
  assert.equal(await page.locator('#form_frmrevcalc').count(), 1, 'Escape closed the menu, not the screen');
});

test('the page has a favicon', async () => {
  const page = await signIn(practice);
  const href = await page.getAttribute('link[rel="icon"]', 'href');
  const icon = await page.request.get(new URL(href, practice.url).href);
  assert.equal(icon.status(), 200);
  assert.match(icon.headers()['content-type'], /^image\//);
  assert.equal((await page.request.get(practice.url + 'favicon.ico')).status(), 200);
});
