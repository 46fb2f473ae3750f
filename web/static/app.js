// The screens in the browser: every user action that a screen handles goes
// to the server as an event; the answer is the screen as it now stands, or a
// question the screen asks before it goes on. After each swap of the screen
// the page raises "htmx:load", the signal the validating boxes listen for.
(() => {
  'use strict';
  const csrf = document.querySelector('meta[name="csrf"]').content;
  const screen = document.getElementById('screen');
  const home = document.getElementById('home');
  const notices = document.getElementById('notices');
  const busy = document.getElementById('busy');
  let searchTimer = null;

  // ---- talking to the server -------------------------------------------------
  async function post(url, body) {
    const res = await fetch(url, {
      method: 'POST',
      headers: { 'Content-Type': 'application/json', 'X-CSRF-Token': csrf },
      body: JSON.stringify(body),
      credentials: 'same-origin',
    });
    if (res.status === 401) { location.href = '/signin'; return null; }
    if (!res.ok) {
      // Refusals carry a plain sentence for the user.
      const reply = await res.json().catch(() => null);
      throw new Error((reply && reply.message) || 'The server refused the request (' + res.status + ').');
    }
    return res.json();
  }

  function activeForm() { return screen.querySelector('form.screen'); }

  function handles(form, control, type) {
    const list = (form.dataset.handles || '').split(' ');
    return list.includes(control + ':' + type);
  }

  // The values of every control of the screen, so the server sees what the user typed.
  function values(form) {
    const out = {};
    form.querySelectorAll('input[id], select[id], textarea[id]').forEach((el) => {
      if (el.classList.contains('cell')) return;
      if (el.type === 'checkbox' || el.type === 'radio') out[el.id] = el.checked;
      else out[el.id] = el.value;
    });
    return out;
  }

  // Events go to the server one after another, in the order the user made them.
  let queue = Promise.resolve();
  function send(event, opts = {}) {
    queue = queue.then(() => deliver(event, opts)).catch((e) => notice(e.message, 'error'));
    return queue;
  }

  async function deliver(event, opts) {
    const form = activeForm();
    if (!form) return;
    busy.hidden = false;
    try {
      const sent = values(form);
      const reply = await post('/ev', Object.assign({ form: form.dataset.form, values: sent }, event));
      if (reply) await settle(reply, Object.assign({ sent }, opts));
    } finally {
      busy.hidden = true;
    }
  }

  function open(what, mode) {
    queue = queue.then(async () => {
      const reply = await post('/open', { what, mode });
      if (reply) await settle(reply, {});
    }).catch((e) => notice(e.message, 'error'));
  }

  // Shows questions one after another until the handler ends, then the screen.
  async function settle(reply, opts) {
    while (reply && reply.state === 'dialog') {
      const answer = await ask(reply.dialog);
      reply = await post('/dialog', Object.assign({ id: reply.dialog.id }, answer));
    }
    if (!reply) return;
    if (reply.state === 'busy') { notice('The screen is still working; try again in a moment.', 'info'); return; }
    if (reply.state === 'closed') { location.href = '/signin'; return; }
    show(reply.html, opts);
    document.title = reply.title ? reply.title + ' - Meridian' : 'Meridian';
    (reply.previews || []).forEach(previewReady);
    if (reply.menu) toggleHome(true);
  }

  // ---- the screen ------------------------------------------------------------
  // Replacing the screen takes the focus from a box without the user leaving it.
  let rendering = false;

  function show(html, opts) {
    rendering = true;
    try {
      render(html, opts);
    } finally {
      rendering = false;
    }
  }

  function render(html, opts) {
    const before = document.activeElement;
    const keepId = before && before.id && screen.contains(before) ? before.id : null;
    const caret = keepId && typeof before.selectionStart === 'number' ? before.selectionStart : null;
    // What the user typed while the server worked is kept, unless the server changed that field itself.
    const form0 = activeForm();
    const typedMeanwhile = {};
    if (form0 && opts.sent) {
      const now = values(form0);
      for (const id of Object.keys(now)) if (now[id] !== opts.sent[id]) typedMeanwhile[id] = now[id];
    }
    const scrolls = {};
    screen.querySelectorAll('.grid').forEach((g) => { scrolls[g.id] = g.scrollTop; });
    screen.innerHTML = html || '';
    toggleHome(!html);
    for (const [id, value] of Object.entries(typedMeanwhile)) {
      const el = document.getElementById(id);
      if (!el) continue;
      const ticked = el.type === 'checkbox' || el.type === 'radio';
      if (ticked && el.checked === opts.sent[id]) el.checked = value;
      else if (!ticked && el.value === opts.sent[id]) el.value = value;
    }
    document.dispatchEvent(new CustomEvent('htmx:load', { detail: { elt: screen } }));
    screen.querySelectorAll('.grid').forEach((g) => { if (scrolls[g.id]) g.scrollTop = scrolls[g.id]; });
    const form = activeForm();
    let target = form && form.dataset.focus ? document.getElementById(form.dataset.focus) : null;
    if (!target && keepId) target = document.getElementById(keepId);
    if (target) {
      target.focus();
      if (caret !== null && target.id === keepId && typeof target.setSelectionRange === 'function') {
        try { target.setSelectionRange(caret, caret); } catch (e) { /* not a text box */ }
      }
      if (target.classList.contains('grid')) scrollSelectedIntoView(target);
    }
  }

  function toggleHome(visible) {
    home.hidden = !visible;
    if (visible) { const first = home.querySelector('button'); if (first) first.focus(); }
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

  // ---- dialogs ---------------------------------------------------------------
  const dialog = document.getElementById('dialog');
  function ask(d) {
    return new Promise((resolve) => {
      document.getElementById('dialogTitle').textContent = d.title;
      document.getElementById('dialogText').textContent = d.text;
      document.getElementById('dialogIcon').className = 'icon ' + d.icon;
      dialog.dataset.icon = d.icon;
      const input = document.getElementById('dialogInput');
      input.hidden = !d.prompt;
      input.type = d.secret ? 'password' : 'text';
      input.value = '';
      const buttons = document.getElementById('dialogButtons');
      buttons.innerHTML = '';
      const sets = { ok: ['ok'], yesno: ['yes', 'no'], yesnocancel: ['yes', 'no', 'cancel'], okcancel: ['ok', 'cancel'] };
      const labels = { ok: 'OK', yes: 'Yes', no: 'No', cancel: 'Cancel' };
      let defaultButton = null;
      const finish = (answer) => {
        dialog.hidden = true;
        document.removeEventListener('keydown', keys, true);
        resolve({ answer, text: input.value });
      };
      const keys = (e) => {
        if (e.key === 'Escape') {
          e.preventDefault();
          e.stopPropagation();
          const list = sets[d.buttons];
          finish(list.includes('cancel') ? 'cancel' : list.includes('no') ? 'no' : 'ok');
        } else if (e.key === 'Enter' && e.target === input) {
          e.preventDefault();
          finish('ok');
        }
      };
      for (const a of sets[d.buttons]) {
        const b = document.createElement('button');
        b.type = 'button';
        b.id = 'dialog' + labels[a];
        b.textContent = labels[a];
        b.addEventListener('click', () => finish(a));
        buttons.appendChild(b);
        if (a === d.default || (!defaultButton && d.buttons === 'ok')) defaultButton = b;
      }
      dialog.hidden = false;
      document.addEventListener('keydown', keys, true);
      (d.prompt ? input : defaultButton || buttons.firstChild).focus();
    });
  }

  // A message from the validating text boxes, shown as the screen's own message box.
  window.meridianMessage = (text) => ask({ title: 'Meridian', text, icon: 'none', buttons: 'ok', default: 'ok' });

  // ---- grids -----------------------------------------------------------------
  function rowOf(el) {
    const tr = el.closest('tr[data-row]');
    return tr ? Number(tr.dataset.row) : -1;
  }

  function selectRow(grid, tr) {
    grid.querySelectorAll('tr.selected').forEach((x) => x.classList.remove('selected'));
    if (tr) { tr.classList.add('selected'); tr.scrollIntoView({ block: 'nearest' }); }
  }

  function selectedRow(grid) {
    const tr = grid.querySelector('tr.selected');
    return tr ? Number(tr.dataset.row) : -1;
  }

  function scrollSelectedIntoView(grid) {
    const tr = grid.querySelector('tr.selected');
    if (tr) tr.scrollIntoView({ block: 'nearest' });
  }

  async function loadMore(grid) {
    const body = grid.querySelector('tbody');
    const shown = body.children.length;
    const total = Number(grid.dataset.total || 0);
    if (shown >= total || grid.dataset.loading) return;
    grid.dataset.loading = '1';
    try {
      const res = await fetch('/grid?grid=' + encodeURIComponent(grid.id) + '&first=' + shown + '&count=200');
      if (res.ok) {
        const data = await res.json();
        body.insertAdjacentHTML('beforeend', data.rows);
      }
    } finally {
      delete grid.dataset.loading;
    }
  }

  // ---- events ----------------------------------------------------------------
  screen.addEventListener('click', (e) => {
    const form = activeForm();
    if (!form) return;
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
      // A mouse press already sent this click (see mousedown).
      if (e.detail > 0 && pressed === button.id) { pressed = null; return; }
      if (handles(form, button.id, 'click')) send({ type: 'click', control: button.id });
      return;
    }
    const check = e.target.closest('input[type=checkbox], input[type=radio]');
    if (check && handles(form, check.id, 'click')) { send({ type: 'click', control: check.id }); return; }
    const tr = e.target.closest('.grid tbody tr[data-row]');
    if (tr) {
      const grid = tr.closest('.grid');
      selectRow(grid, tr);
      if (handles(form, grid.id, 'rowcolchange')) send({ type: 'rowcolchange', control: grid.id, row: Number(tr.dataset.row) });
    }
  });

  // Pressing a button takes the focus from the box being typed in, whose
  // lostfocus may redraw the screen before the button is released: the click
  // would then never happen. So a mouse press sends the click itself, queued
  // after that lostfocus, as the desktop ran the box's LostFocus before the
  // button's Click.
  let pressed = null;
  screen.addEventListener('mousedown', (e) => {
    const form = activeForm();
    const button = e.button === 0 && e.target.closest('button[data-ev]');
    if (!form || !button || button.disabled || !handles(form, button.id, 'click')) return;
    pressed = button.id;
    setTimeout(() => send({ type: 'click', control: button.id }), 0);
  });

  screen.addEventListener('dblclick', (e) => {
    const form = activeForm();
    const tr = e.target.closest('.grid tbody tr[data-row]');
    if (!form || !tr) return;
    const grid = tr.closest('.grid');
    selectRow(grid, tr);
    if (handles(form, grid.id, 'dblclick')) send({ type: 'dblclick', control: grid.id, row: Number(tr.dataset.row) });
  });

  screen.addEventListener('change', (e) => {
    const form = activeForm();
    const el = e.target;
    if (!form || !el.id) {
      if (el.classList.contains('cell')) {
        const grid = el.closest('.grid');
        send({ type: 'celledited', control: grid.id, row: Number(el.dataset.row), col: Number(el.dataset.col), value: el.value });
      }
      return;
    }
    if (el.tagName === 'SELECT') {
      if (handles(form, el.id, 'click')) send({ type: 'click', control: el.id });
      else if (handles(form, el.id, 'change')) send({ type: 'change', control: el.id });
    } else if (el.classList.contains('cell')) {
      const grid = el.closest('.grid');
      send({ type: 'celledited', control: grid.id, row: Number(el.dataset.row), col: Number(el.dataset.col), value: el.value });
    } else if (handles(form, el.id, 'change') && !el.classList.contains('grid-search')) {
      send({ type: 'change', control: el.id });
    }
  });

  screen.addEventListener('input', (e) => {
    const el = e.target;
    if (!el.classList.contains('grid-search')) return;
    const form = activeForm();
    if (!form || !handles(form, 'TxtS', 'change')) return;
    clearTimeout(searchTimer);
    searchTimer = setTimeout(() => send({ type: 'change', control: 'TxtS' }), 120);
  });

  screen.addEventListener('focusout', (e) => {
    const form = activeForm();
    const el = e.target;
    if (rendering || !el.isConnected) return;
    if (form && el.id && handles(form, el.id, 'lostfocus')) send({ type: 'lostfocus', control: el.id });
  });

  screen.addEventListener('scroll', (e) => {
    const grid = e.target.closest && e.target.closest('.grid');
    if (grid && grid.scrollTop + grid.clientHeight > grid.scrollHeight - 200) loadMore(grid);
  }, true);

  document.addEventListener('keydown', (e) => {
    if (!dialog.hidden) return;
    const form = activeForm();
    if (e.key === 'F1') {
      e.preventDefault();
      if (form && handles(form, '', 'keydown')) send({ type: 'keydown', control: '', key: 112 });
      else toggleHome(home.hidden);
      return;
    }
    if (!form) return;
    const grid = e.target.closest && e.target.closest('.grid');
    if (grid && !e.target.classList.contains('grid-search') && !e.target.classList.contains('cell')) {
      const rows = Array.from(grid.querySelectorAll('tbody tr[data-row]'));
      const current = grid.querySelector('tr.selected');
      const i = rows.indexOf(current);
      if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
        e.preventDefault();
        const next = rows[Math.max(0, Math.min(rows.length - 1, i + (e.key === 'ArrowDown' ? 1 : -1)))];
        if (next) selectRow(grid, next);
        if (e.key === 'ArrowDown' && i > rows.length - 20) loadMore(grid);
        return;
      }
      if (e.key === 'Enter') {
        e.preventDefault();
        if (handles(form, grid.id, 'keydown')) send({ type: 'keydown', control: grid.id, key: 13, row: selectedRow(grid) });
        return;
      }
    }
    if (e.key === 'Escape') {
      const open = screen.querySelector('ul.menu:not([hidden])');
      if (open) { open.hidden = true; return; }
      if (handles(form, '', 'keydown')) { e.preventDefault(); send({ type: 'keydown', control: '', key: 27 }); }
    }
  });

  // In a search box Enter opens the selected client, as in the list itself.
  screen.addEventListener('keydown', (e) => {
    if (!e.target.classList.contains('grid-search') || e.key !== 'Enter') return;
    const form = activeForm();
    const grid = e.target.closest('.grid');
    e.preventDefault();
    clearTimeout(searchTimer);
    if (handles(form, grid.id, 'keydown')) send({ type: 'keydown', control: grid.id, key: 13, row: selectedRow(grid) });
  });

  // ---- home and top bar ------------------------------------------------------
  home.addEventListener('click', (e) => {
    const tile = e.target.closest('[data-open]');
    if (tile) open(tile.dataset.open, Number(tile.dataset.mode));
  });
  document.getElementById('menuButton').addEventListener('click', () => toggleHome(home.hidden));
  document.getElementById('signout').addEventListener('click', async () => {
    await post('/signout', {});
    location.href = '/signin';
  });

  toggleHome(!activeForm());
})();
