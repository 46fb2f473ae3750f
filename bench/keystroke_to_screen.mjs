// Keystroke to screen in Chromium: how long from a key typed into a search
// box of the client list until the list on the page shows the search's
// result (the record count changed). Not a test: it prints what it measured.
//
//   node bench/keystroke_to_screen.mjs [clients]   (default 50000; needs build/src/meridian)
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { startPractice, signIn, idle } from '../e2e/helpers.mjs';

const clients = Number(process.argv[2] || 50000);

// The demo practice grown to the size asked for, straight into its list table.
function growClientList(dataDir, count) {
  let sql = 'BEGIN;\n';
  for (let i = 0; i < count; i++) {
    const pan = String.fromCharCode(65 + (i % 26), 65 + (Math.floor(i / 26) % 26), 65 + (Math.floor(i / 676) % 26)) +
      'P' + String.fromCharCode(65 + (i % 23)) + String(i % 10000).padStart(4, '0') + String.fromCharCode(65 + (i % 19));
    sql += `INSERT INTO tempcltbl (codeno, name, stat, fnm, pan) VALUES ('B${100000 + i}', 'Bench Client ${i}', ` +
      `'${i % 3 ? 'INDIVIDUAL' : 'FIRM'}', 'S/o Father ${i}', '${pan}');\n`;
  }
  sql += 'UPDATE client_list_changes SET changes = changes + 1 WHERE id = 1;\nCOMMIT;\n';
  execFileSync('sqlite3', [join(dataDir, 'meridian.db')], { input: sql });
}

function percentile(sorted, p) { return sorted[Math.min(sorted.length - 1, Math.floor(p * sorted.length))]; }

const practice = await startPractice();
try {
  growClientList(practice.dataDir, clients);
  const page = await signIn(practice);
  await page.click('#openIncomeTax');
  await page.waitForSelector('#ClGrd tbody tr');
  await idle(page);
  await page.click('#TxtS1');
  // Each key on its own, once the page is idle: the time from the key's
  // event to the count label showing the new search's count.
  await page.evaluate(() => {
    window.keyTimes = [];
    const label = document.getElementById('lblRecCount');
    let pressed = 0;
    document.addEventListener('keydown', () => { pressed = performance.now(); }, true);
    new MutationObserver(() => { if (pressed) { window.keyTimes.push(performance.now() - pressed); pressed = 0; } })
      .observe(document.getElementById('screen') || document.body, { subtree: true, childList: true, characterData: true });
    window.countText = () => label.isConnected ? label.textContent : document.getElementById('lblRecCount').textContent;
  });
  const texts = ['Bench Client 1', 'Bench Client 2'];
  for (let round = 0; round < 10; round++) {
    for (const ch of texts[round % 2]) {
      await page.keyboard.type(ch);
      await idle(page);
    }
    for (let i = 0; i < texts[round % 2].length; i++) {
      await page.keyboard.press('Backspace');
      await idle(page);
    }
  }
  const times = (await page.evaluate(() => window.keyTimes)).sort((a, b) => a - b);
  console.log(`keystroke to screen, ${clients} clients more than the demo, ${times.length} keys: ` +
    `p50 ${percentile(times, 0.5).toFixed(1)} ms, p90 ${percentile(times, 0.9).toFixed(1)} ms, ` +
    `p99 ${percentile(times, 0.99).toFixed(1)} ms, max ${times[times.length - 1].toFixed(1)} ms`);
  // Where the time goes: the search's round trip as the browser timed it
  // (request sent until the last byte of the answer: server and transfer);
  // the rest of a keystroke is the page's own work (the patch of the list).
  const trips = await page.evaluate(() => performance.getEntriesByType('resource')
    .filter((e) => e.name.endsWith('/ev'))
    .map((e) => ({ wait: e.responseStart - e.requestStart, body: e.responseEnd - e.responseStart, bytes: e.encodedBodySize })));
  const sorted = (key) => trips.map((t) => t[key]).sort((a, b) => a - b);
  const waits = sorted('wait'), bodies = sorted('body'), sizes = sorted('bytes');
  console.log(`  /ev round trips, ${trips.length}: until the first byte p50 ${percentile(waits, 0.5).toFixed(1)} ms, ` +
    `p99 ${percentile(waits, 0.99).toFixed(1)} ms; the answer's transfer p50 ${percentile(bodies, 0.5).toFixed(1)} ms; ` +
    `answer p50 ${percentile(sizes, 0.5)} bytes on the wire`);
  console.log(`  (load average ${(await import('node:os')).loadavg().map((l) => l.toFixed(2)).join(' ')})`);
} finally {
  await practice.stop();
}
