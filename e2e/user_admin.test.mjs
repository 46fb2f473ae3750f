import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startPractice, signIn, meridian } from './helpers.mjs';

let practice;
before(async () => {
  practice = await startPractice();
  meridian(['user', 'add', 'boss', '--admin', '--password', 'boss-password'], practice.dataDir);
});
after(async () => { await practice.stop(); });

const message = (page) => page.textContent('#adminMessage');

test('an administrator picks a user by clicking and disables them; their open session ends', async () => {
  const clerk = await signIn(practice);
  const boss = await signIn(practice, 'boss', 'boss-password');
  await boss.click('#adminLink');
  await boss.waitForSelector('#user-clerk');
  await boss.click('#user-clerk');
  assert.equal(await boss.textContent('#selectedUser'), 'clerk');
  await boss.click('#disableUser');
  await boss.waitForFunction(() => document.getElementById('adminMessage').textContent.startsWith('User clerk'));
  assert.equal(await message(boss), 'User clerk is disabled and signed out.');
  assert.match(await boss.textContent('#user-clerk'), /disabled/);

  // The clerk's next step finds the session gone.
  await clerk.click('#openIncomeTax');
  await clerk.waitForURL(/\/signin$/);

  // The arrow keys move the choice as well; the last administrator is kept.
  await boss.click('#user-boss');
  await boss.keyboard.press('ArrowDown');
  assert.equal(await boss.textContent('#selectedUser'), 'clerk');
  await boss.keyboard.press('ArrowUp');
  assert.equal(await boss.textContent('#selectedUser'), 'boss');
  await boss.click('#disableUser');
  await boss.waitForFunction(() => document.getElementById('adminMessage').classList.contains('error'));
  assert.equal(await message(boss), 'At least one active user must keep right 199 to manage users.');

  await boss.click('#user-clerk');
  await boss.click('#enableUser');
  await boss.waitForFunction(() => document.getElementById('adminMessage').textContent === 'User clerk may sign in again.');
  await boss.click('#resetPassword');
  await boss.waitForFunction(() => document.getElementById('adminMessage').textContent.startsWith('New one-time password of clerk: '));
});

test('an administrator sets a client\'s password and clears it again', async () => {
  const boss = await signIn(practice, 'boss', 'boss-password');
  await boss.goto(practice.url + 'admin');
  await boss.click('#clientCode');
  await boss.keyboard.type('C0001');
  await boss.click('#clientPassword');
  await boss.keyboard.type('c0001-secret');
  await boss.click('#setClientPassword');
  await boss.waitForFunction(() => document.getElementById('protectedClients').textContent === 'C0001');
  assert.equal(await message(boss), 'Client C0001 is protected by the new password.');
  await boss.click('#clearClientPassword');
  await boss.waitForFunction(() => document.getElementById('protectedClients').textContent === 'none');
});
