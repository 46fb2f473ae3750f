// Starts the real program on a fresh data folder and drives Debian's Chromium.
import { spawn, execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

const bin = process.env.MERIDIAN_BIN || new URL('../build/src/meridian', import.meta.url).pathname;

export function meridian(args, dataDir, input) {
  return execFileSync(bin, [...args, '--data', dataDir], { input, encoding: 'utf8' });
}

// A served practice with the demo clients and a user "clerk"; without the
// clerk, the server creates its administrator and the practice carries the
// one-time password it printed (adminPassword).
export async function startPractice({ clerk = true } = {}) {
  const dataDir = mkdtempSync(join(tmpdir(), 'meridian-e2e-'));
  meridian(['demo'], dataDir);
  if (clerk) meridian(['user', 'add', 'clerk', '--password', 'clerk-password'], dataDir);
  let adminPassword;
  const server = spawn(bin, ['serve', '--listen', '127.0.0.1:0', '--data', dataDir], { stdio: ['ignore', 'pipe', 'pipe'] });
  const url = await new Promise((resolve, reject) => {
    let out = '';
    const timer = setTimeout(() => reject(new Error('server did not start: ' + out)), 20000);
    server.stdout.on('data', (d) => {
      out += d;
      const admin = out.match(/one-time password (\S+)/);
      if (admin) adminPassword = admin[1];
      const m = out.match(/listening on (http:\/\/[^/\s]+\/)/);
      if (m) { clearTimeout(timer); resolve(m[1]); }
    });
    server.stderr.on('data', (d) => { out += d; if (process.env.MERIDIAN_E2E_DEBUG) process.stderr.write(d); });
    server.on('exit', (code) => reject(new Error('server stopped with ' + code + ': ' + out)));
  });
  const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  return {
    url, dataDir, browser, adminPassword,
    async stop() {
      await browser.close();
      server.kill('SIGTERM');
      rmSync(dataDir, { recursive: true, force: true });
    },
  };
}

export async function signIn(practice, user = 'clerk', password = 'clerk-password') {
  const context = await practice.browser.newContext();
  const page = await context.newPage();
  await page.goto(practice.url + 'signin');
  await page.click('#username');
  await page.keyboard.type(user);
  await page.keyboard.press('Tab');
  await page.keyboard.type(password);
  await page.keyboard.press('Enter');
  await page.waitForSelector('#home:not([hidden])');
  return page;
}

// Waits until no event is on its way to the server and no message is open.
export async function idle(page) {
  await page.waitForFunction(() => document.body.dataset.idle === '1' && document.getElementById('dialog').hidden);
}

// Waits for the screen's message box and gives its text.
export async function messageText(page) {
  await page.waitForSelector('#dialog:not([hidden])');
  return page.textContent('#dialogText');
}

// Enters a box by a click and types into it key by key, as a person does.
export async function clickAndType(page, selector, text) {
  await page.click(selector);
  await page.keyboard.type(text);
}

// A figure as the screens show it: Indian digit grouping.
export function shown(amount) {
  return new Intl.NumberFormat('en-IN', { maximumFractionDigits: 2 }).format(amount);
}

// Opens a client's year from the dashboard as a clerk does: the year chosen,
// the client's code typed into the code search, Enter on the one row found.
export async function openClientYear(page, code, year) {
  await page.click('#openIncomeTax');
  await page.waitForSelector('#ClGrd tbody tr');
  await page.selectOption('#cbocompAY', year);
  await idle(page);
  await page.click('#TxtS0');
  await page.keyboard.type(code);
  await page.waitForFunction(() => document.querySelector('#lblRecCount').textContent === 'No. of Records : 1');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#form_subform');
  await idle(page);
}
