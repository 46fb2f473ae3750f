// The screens in the browser. Every user action a screen handles goes to the
// server as an event, one after another in the order the user made them; the
// answer names the pieces of the screen that changed (or the whole screen
// when another one is shown), or a question the screen asks before it goes
// on. The page changes only those pieces, in place, so the box being typed
// in keeps its text, caret and selection.
//
// Each browser tab has screens of its own on the server: a second tab of the
// same sign-in never takes over the first one's screen.
(() => {
  'use strict';
  const csrf = document.querySelector('meta[name="csrf"]').content;
  const screen = document.getElementById('screen');
  const home = document.getElementById('home');
  const notices = document.getElementById('notices');
  const busy = document.getElementById('busy');
  const statusLine = document.getElementById('statusLine');
  const { morph, morphShell, snapshot, parse, parseBody } = window.meridianMorph;
  const ask = window.meridianAsk;
  const grids = window.meridianGrids;
  const modalOpen = window.meridianModalOpen;

  let tab = '';
  // Answers applied so far: rows fetched while one came in may be stale.
  let answers = 0;
  // Pieces are being put in: the focus they move is not the user's doing.
  let patching = false;
  // The control that last had the focus on each screen, to go back to it.
  const lastFocus = new Map();

  // ---- talking to the server -------------------------------------------------
  async function request(url, body) {
    const res = await fetch(url, {
      method: 'POST',
      headers: { 'Content-Type': 'application/json', 'X-CSRF-Token': csrf, 'X-Tab': tab },
      body: JSON.stringify(body),
      credentials: 'same-origin',
    });
    if (res.status === 401) { location.href = '/signin'; return null; }
    if (res.status === 410) return { state: 'tabclosed' };
    if (!res.ok) {
      // Refusals carry a plain sentence for the user.
      const reply = await res.json().catch(() => null);
      throw new Error((reply && reply.message) || 'The server refused the request (' + res.status + '); nothing was changed.');
    }
    return res.json();
  }

  async function fetchRows(grid, first, count) {
    const seen = answers;
    const res = await fetch('/grid?tab=' + encodeURIComponent(tab) + '&grid=' + encodeURIComponent(grid) +
      '&first=' + first + '&count=' + count, { credentials: 'same-origin' });
    if (!res.ok) return null;
    const data = await res.json();
    return seen === answers ? data.html : null;
  }

  function activeForm() { return screen.querySelector('form.screen'); }

  function handles(control, type) {
    const form = activeForm();
    return !!form && (form.dataset.handles || '').split(' ').includes(control + ':' + type);
  }

  // The values of the screen's boxes, so the server sees what the user typed.
  function values(form) {
    const out = {};
    form.querySelectorAll('input[id], select[id], textarea[id]').forEach((el) => {
      if (el.type === 'checkbox' || el.type === 'radio') out[el.id] = el.checked;
      else out[el.id] = el.value;
    });
    return out;
  }

  // ---- events, in order ------------------------------------------------------
  let queue = Promise.resolve();
  let waiting = 0;
  // Raised when a step is refused (a message, then the focus sent back): the
  // actions the user made before seeing the refusal are not carried out, as
  // a desktop button is never clicked while a box keeps the focus. Edits go
  // on: the page shows them, so the screen must know them.
  let generation = 0;
  const KEPT_AFTER_REFUSAL = new Set(['change', 'celledited']);

  function showBusy() {
    const working = waiting > 0 && !modalOpen();
    busy.hidden = !working;
    document.body.dataset.idle = waiting === 0 ? '1' : '0';
  }

  function enqueue(job) {
    waiting++;
    showBusy();
    queue = queue.then(job)
      .catch((e) => notice(e.message, 'error'))
      .finally(() => { waiting--; showBusy(); });
    return queue;
  }

  function send(event, opts = {}) {
    const gen = generation;
    return enqueue(async () => {
      if (gen !== generation && !KEPT_AFTER_REFUSAL.has(event.type)) return;
      await deliver(event, opts);
    });
  }

  async function deliver(event, opts) {
    const form = activeForm();
    if (!form) return;
    if (opts.before) opts.before();
    const sent = snapshot(form);
    if (event.type === 'celledited') {
      sent.serverOwns = new Set([window.meridianMorph.cellKey(event.control, event.row, event.col)]);
    }
    const body = Object.assign({ form: form.dataset.form, values: values(form), grids: grids.windows(form) }, event);
    await settle(await request('/ev', body), sent);
  }

  function open(what, mode) {
    closeMenu(false);
    enqueue(async () => settle(await request('/open', { what, mode }), null));
  }

  // Shows questions one after another until the handler ends, then the screen.
  async function settle(reply, sent) {
    let asked = false;
    while (reply && reply.state === 'dialog') {
      asked = true;
      const answered = ask(reply.dialog);
      showBusy(); // a question waiting for the user is no work going on
      const answer = await answered;
      showBusy();
      reply = await request('/dialog', Object.assign({ id: reply.dialog.id }, answer));
    }
    if (!reply) return;
    if (reply.state === 'busy') { notice('The screen is still working; try again in a moment.', 'info'); return; }
    if (reply.state === 'closed') { location.href = '/signin'; return; }
    if (reply.state === 'tabclosed') { await tabClosed(); return; }
    apply(reply, sent);
    if (asked && reply.focus) generation++;
  }

  // ---- the screen ------------------------------------------------------------
  function pieceElement(id) {
    if (id === '') return activeForm();
    return screen.querySelector('[data-c="' + CSS.escape(id) + '"]');
  }

  function loaded(elt) {
    document.dispatchEvent(new CustomEvent('meridian:load', { detail: { elt } }));
  }

  // Returns false when the page does not hold the piece (it must be rebuilt).
  function patch(p, sent) {
    const el = pieceElement(p.id);
    if (!el) return false;
    const fresh = p.part === 'rows' ? parseBody(p.html) : parse(p.html);
    const now = p.part === 'shell' ? (morphShell(el, fresh, sent), el) : morph(el, fresh, sent);
    loaded(now);
    return true;
  }

  function showWhole(html, sent, anotherScreen) {
    const form = activeForm();
    if (!html) {
      screen.innerHTML = '';
      showHome();
      return;
    }
    if (form && !anotherScreen) morph(form, parse(html), sent);
    else screen.innerHTML = html;
    home.hidden = true;
    home.classList.remove('overlay');
    loaded(screen);
  }

  function apply(reply, sent) {
    answers++;
    const before = activeForm();
    const anotherScreen = !before || before.dataset.form !== reply.form;
    const focusedId = document.activeElement && screen.contains(document.activeElement) ? document.activeElement.id : '';
    patching = true;
    let complete = true;
    try {
      if ('whole' in reply) showWhole(reply.whole, sent, anotherScreen);
      else for (const p of reply.patches || []) complete = patch(p, sent) && complete;
    } finally {
      patching = false;
    }
    if (!complete) resync();
    document.title = reply.title ? reply.title + ' - Meridian' : 'Meridian';
    grids.layout(screen);
    (reply.reveal || []).forEach(grids.reveal);
    // The status line keeps what the last step said until another says more.
    if (reply.status) statusLine.textContent = reply.status;
    (reply.previews || []).forEach(previewReady);
    placeFocus(reply, anotherScreen, focusedId);
    if (reply.menu) openMenu();
  }

  // The screen asks for the focus once (a refusal, a new screen); otherwise
  // the user's focus stays, and a screen shown again gets back its last one.
  function placeFocus(reply, anotherScreen, focusedId) {
    const form = activeForm();
    if (!form || modalOpen()) return;
    let target = reply.focus ? document.getElementById(reply.focus) : null;
    if (!target && anotherScreen) {
      const last = document.getElementById(lastFocus.get(form.dataset.form) || '');
      target = last && last.offsetParent !== null ? last : firstField(form);
    }
    if (!target && focusedId && document.activeElement === document.body) target = document.getElementById(focusedId);
    // In a grid whose cells are typed into, the focus goes to the current cell.
    if (target && target.classList.contains('grid')) target = target.querySelector('td.current input.cell') || target;
    if (target && target !== document.activeElement && target.offsetParent !== null) target.focus();
  }

  function firstField(form) {
    return Array.from(form.querySelectorAll('input, select, textarea, .grid')).find((el) =>
      !el.disabled && !el.readOnly && el.type !== 'hidden' && !el.classList.contains('grid-search') && el.offsetParent !== null);
  }

  // The page lost track of a piece: the tab's screen comes again, whole.
  function resync() {
    enqueue(async () => settle(await request('/tab', { resume: tab }), null));
  }

  function notice(text, kind) {
    const div = document.createElement('div');
    div.className = 'notice ' + (kind || 'info');
    div.textContent = text;
    notices.appendChild(div);
    setTimeout(() => div.remove(), 8000);
  }

  function previewReady(id) {
    const div = document.createElement('div');
    div.className = 'notice report';
    const link = document.createElement('a');
    link.href = '/report/' + encodeURIComponent(id);
    link.target = '_blank';
    link.rel = 'noopener';
    link.id = 'openReport' + id;
    link.textContent = 'Report ready: open the preview';
    div.appendChild(link);
    notices.appendChild(div);
    window.open(link.href, '_blank', 'noopener');
  }

  // ---- the menu --------------------------------------------------------------
  // With no screen open the menu is the page; over a screen it pops up (F1,
  // the Menu button) and Escape puts it away again.
  let menuReturn = null;

  function showHome() {
    home.classList.remove('overlay');
    home.hidden = false;
    const first = home.querySelector('button');
    if (first) first.focus();
  }

  function openMenu() {
    if (!activeForm()) { showHome(); return; }
    if (!home.hidden) return;
    menuReturn = document.activeElement;
    home.classList.add('overlay');
    home.hidden = false;
    const first = home.querySelector('button');
    if (first) first.focus();
  }

  function closeMenu(giveBackFocus) {
    if (!activeForm() || home.hidden) return;
    home.hidden = true;
    home.classList.remove('overlay');
    if (giveBackFocus && menuReturn && menuReturn.isConnected) menuReturn.focus();
    menuReturn = null;
  }

  // ---- the tab -----------------------------------------------------------------
  // A reloaded page goes on with its tab; a new tab (or a copy of one) gets
  // screens of its own. The mark says whether the page that had the tab is
  // gone ("released") or still showing it ("live").
  const TAB_KEY = 'meridianTab';

  function takeTab() {
    const [id, state] = (sessionStorage.getItem(TAB_KEY) || '').split('|');
    const resume = state === 'released' ? id : '';
    enqueue(async () => {
      const reply = await request('/tab', { resume });
      if (!reply) return;
      tab = reply.tab || '';
      sessionStorage.setItem(TAB_KEY, tab + '|live');
      await settle(reply, null);
    });
  }

  async function tabClosed() {
    notice('This tab was closed on the server because more tabs of this sign-in were opened than it keeps; ' +
      'its screens start again from the menu.', 'error');
    tab = '';
    const reply = await request('/tab', { resume: '' });
    if (!reply) return;
    tab = reply.tab || '';
    sessionStorage.setItem(TAB_KEY, tab + '|live');
    await settle(reply, null);
  }

  window.addEventListener('pagehide', () => { if (tab) sessionStorage.setItem(TAB_KEY, tab + '|released'); });

  // ---- events ----------------------------------------------------------------
  screen.addEventListener('submit', (e) => e.preventDefault());

  screen.addEventListener('click', (e) => {
    if (!activeForm()) return;
    const menuButton = e.target.closest('button[data-menu]');
    if (menuButton) {
      const menu = menuButton.parentElement.querySelector('ul.menu');
      const wasHidden = menu.hidden;
      screen.querySelectorAll('ul.menu').forEach((m) => { m.hidden = true; });
      menu.hidden = !wasHidden;
      if (!menu.hidden) { const first = menu.querySelector('button'); if (first) first.focus(); }
      return;
    }
    const button = e.target.closest('button[data-ev]');
    if (button) {
      screen.querySelectorAll('ul.menu').forEach((m) => { m.hidden = true; });
      if (handles(button.id, 'click')) send({ type: 'click', control: button.id });
      return;
    }
    const check = e.target.closest('input[type=checkbox], input[type=radio]');
    if (check && handles(check.id, 'click')) send({ type: 'click', control: check.id });
  });

  screen.addEventListener('change', (e) => {
    const el = e.target;
    if (el.classList.contains('cell')) {
      const grid = el.closest('.grid');
      send({ type: 'celledited', control: grid.id, row: Number(el.dataset.row), col: Number(el.dataset.col), value: el.value });
      return;
    }
    if (!el.id || el.classList.contains('grid-search')) return;
    if (el.tagName === 'SELECT') {
      if (handles(el.id, 'click')) send({ type: 'click', control: el.id });
      else if (handles(el.id, 'change')) send({ type: 'change', control: el.id });
    } else if (handles(el.id, 'change')) {
      send({ type: 'change', control: el.id });
    }
  });

  // Typing in the search boxes: one search on its way at a time, always with
  // the text as it stands when it goes, so the last one matches the last key.
  let searchWaiting = false;
  screen.addEventListener('input', (e) => {
    if (!e.target.classList.contains('grid-search') || !handles('TxtS', 'change') || searchWaiting) return;
    searchWaiting = true;
    send({ type: 'change', control: 'TxtS' }, { before: () => { searchWaiting = false; } });
  });

  screen.addEventListener('focusin', (e) => {
    const form = activeForm();
    if (form && e.target.id) lastFocus.set(form.dataset.form, e.target.id);
  });

  // On the document, after the boxes' own checks: a box whose check refused
  // the text keeps the focus (its message is open) and is not left.
  document.addEventListener('focusout', (e) => {
    const el = e.target;
    if (patching || modalOpen() || !screen.contains(el) || !el.isConnected) return;
    // The whole window losing the focus is not the user leaving the box.
    if (!document.hasFocus()) return;
    if (el.id && handles(el.id, 'lostfocus')) send({ type: 'lostfocus', control: el.id });
  });

  document.addEventListener('keydown', (e) => {
    if (modalOpen()) return;
    if (e.key === 'F1') {
      e.preventDefault();
      if (handles('', 'keydown') && home.hidden) send({ type: 'keydown', control: '', key: 112 });
      else openMenu();
      return;
    }
    if (e.key !== 'Escape') return;
    if (activeForm() && !home.hidden) { closeMenu(true); return; }
    const open = screen.querySelector('ul.menu:not([hidden])');
    if (open) { open.hidden = true; return; }
    if (handles('', 'keydown')) { e.preventDefault(); send({ type: 'keydown', control: '', key: 27 }); }
  });

  // ---- menu and top bar --------------------------------------------------------
  home.addEventListener('click', (e) => {
    const tile = e.target.closest('[data-open]');
    if (tile) open(tile.dataset.open, Number(tile.dataset.mode));
  });
  document.getElementById('menuButton').addEventListener('click', () => {
    if (home.hidden) openMenu();
    else closeMenu(true);
  });
  document.getElementById('signout').addEventListener('click', async () => {
    await request('/signout', {});
    sessionStorage.removeItem(TAB_KEY);
    location.href = '/signin';
  });

  grids.install({ send, handles, fetchRows });
  takeTab();
})();
