// The grids of a screen in the browser. The selected row is the screen's
// state on the server: a click, the arrow keys, Home/End and PgUp/PgDn send
// the move, and the row is lit at once so the list answers the key without
// waiting. A long list is held a window of rows at a time; scrolling asks the
// server for the rows coming into view, and empty space above and below the
// window keeps the scroll bar true to the whole list. A click on a column
// title sorts the list by that column.
(function () {
  'use strict';

  // Rows the server sends at a time (kGridWindow in src/web/render_form.h).
  const ROWS_HELD = 100;
  // Rows kept ready beyond those in view before more are asked for.
  const MARGIN = 20;
  const MOVES = { ArrowDown: 'down', ArrowUp: 'up', PageDown: 'pagedown', PageUp: 'pageup', Home: 'first', End: 'last' };

  let api = null;

  const dataRows = (grid) => Array.from(grid.querySelectorAll('tbody tr[data-row]'));
  const bodyOf = (grid) => grid.querySelector('tbody');

  function rowHeight(grid) {
    if (grid.rowHeight) return grid.rowHeight;
    const tr = grid.querySelector('tbody tr[data-row]');
    const h = tr ? tr.offsetHeight : 0;
    if (h > 0) grid.rowHeight = h;
    return h || 24;
  }

  function headHeight(grid) {
    const head = grid.querySelector('thead');
    return head ? head.offsetHeight : 0;
  }

  // The empty space standing for the rows the page does not hold.
  function layout(scope) {
    (scope || document).querySelectorAll('.grid').forEach((grid) => {
      const h = rowHeight(grid);
      grid.querySelectorAll('tbody tr.spacer').forEach((tr) => {
        tr.style.height = Number(tr.dataset.rows) * h + 'px';
      });
    });
  }

  function light(grid, tr) {
    grid.querySelectorAll('tbody tr.selected').forEach((x) => { if (x !== tr) x.classList.remove('selected'); });
    if (tr) tr.classList.add('selected');
  }

  // Scrolls the grid (not the page) so that the row is in view below the titles.
  function bringIntoView(grid, tr) {
    if (!tr) return;
    const top = tr.offsetTop - headHeight(grid);
    const bottom = tr.offsetTop + tr.offsetHeight - grid.clientHeight;
    if (grid.scrollTop > top) grid.scrollTop = top;
    else if (grid.scrollTop < bottom) grid.scrollTop = bottom;
  }

  function reveal(id) {
    const grid = document.getElementById(id);
    if (grid) bringIntoView(grid, grid.querySelector('tbody tr.selected'));
  }

  function rowsPerPage(grid) {
    return Math.max(1, Math.floor((grid.clientHeight - headHeight(grid)) / rowHeight(grid)));
  }

  // The rows each grid of the form holds, sent with every event so that the
  // answer keeps them.
  function windows(form) {
    const out = {};
    form.querySelectorAll('.grid').forEach((grid) => {
      const body = bodyOf(grid);
      if (!body) return;
      out[grid.id] = { first: Number(body.dataset.first || 0), count: Math.max(ROWS_HELD, dataRows(grid).length) };
    });
    return out;
  }

  // ---- rows coming into view ------------------------------------------------
  async function ensureRows(grid) {
    const body = bodyOf(grid);
    if (!body || !grid.isConnected) return;
    const first = Number(body.dataset.first || 0);
    const total = Number(body.dataset.total || 0);
    const held = dataRows(grid).length;
    const h = rowHeight(grid);
    const top = Math.floor(grid.scrollTop / h);
    const inView = Math.ceil(grid.clientHeight / h);
    const from = Math.max(0, top - MARGIN);
    const to = Math.min(total, top + inView + MARGIN);
    if (from >= first && to <= first + held) return;
    if (grid.loadingRows) { grid.moreRows = true; return; }
    grid.loadingRows = true;
    try {
      const rows = await api.fetchRows(grid.id, Math.max(0, top - (ROWS_HELD >> 1)), Math.max(ROWS_HELD, inView + 2 * MARGIN));
      if (rows && grid.isConnected) {
        grid.rowRetries = 0;
        window.meridianMorph.morph(bodyOf(grid), window.meridianMorph.parseBody(rows));
        layout(grid.parentElement);
      } else if (grid.isConnected && (grid.rowRetries = (grid.rowRetries || 0) + 1) <= 20) {
        // The screen was busy (a question open, an answer on its way): ask again shortly.
        setTimeout(() => ensureRows(grid), 250);
      }
    } finally {
      grid.loadingRows = false;
      if (grid.moreRows) {
        grid.moreRows = false;
        ensureRows(grid);
      }
    }
  }

  function onScroll(grid) {
    if (grid.scrollQueued) return;
    grid.scrollQueued = true;
    requestAnimationFrame(() => {
      grid.scrollQueued = false;
      ensureRows(grid);
    });
  }

  // ---- the selection ----------------------------------------------------------
  function choose(grid, tr, col) {
    light(grid, tr);
    api.send({ type: 'rowcolchange', control: grid.id, row: Number(tr.dataset.row), col });
  }

  // A key that moves the selection: lit here at once when the row is held,
  // and moved on the server, which knows the whole list.
  function move(grid, key) {
    const page = rowsPerPage(grid);
    const rows = dataRows(grid);
    const total = Number(bodyOf(grid).dataset.total || 0);
    const current = grid.querySelector('tbody tr.selected');
    const at = current ? Number(current.dataset.i) : -1;
    const steps = { down: at + 1, up: at - 1, pagedown: at + page, pageup: at - page, first: 0, last: total - 1 };
    const target = at < 0 ? (MOVES[key] === 'last' ? total - 1 : 0) : Math.max(0, Math.min(total - 1, steps[MOVES[key]]));
    const tr = rows.find((r) => Number(r.dataset.i) === target);
    if (tr) {
      light(grid, tr);
      bringIntoView(grid, tr);
    }
    api.send({ type: 'rowcolchange', control: grid.id, move: MOVES[key], page });
  }

  function cellIn(tr, col) {
    return tr ? tr.querySelector('input.cell[data-col="' + col + '"]') : null;
  }

  function install(page) {
    api = page;
    const screen = document.getElementById('screen');

    screen.addEventListener('click', (e) => {
      const th = e.target.closest('.grid thead tr:first-child th[data-col]');
      if (th) {
        const grid = th.closest('.grid');
        if (grid.dataset.sortable === '1') api.send({ type: 'sort', control: grid.id, col: Number(th.dataset.col) });
        return;
      }
      const tr = e.target.closest('.grid tbody tr[data-row]');
      // A cell being typed into reports itself when it takes the focus.
      if (!tr || e.target.closest('input.cell')) return;
      const td = e.target.closest('td[data-col]');
      choose(tr.closest('.grid'), tr, td ? Number(td.dataset.col) : -1);
    });

    screen.addEventListener('dblclick', (e) => {
      const tr = e.target.closest('.grid tbody tr[data-row]');
      if (!tr) return;
      const grid = tr.closest('.grid');
      light(grid, tr);
      if (api.handles(grid.id, 'dblclick')) api.send({ type: 'dblclick', control: grid.id, row: Number(tr.dataset.row) });
    });

    // Entering a cell selects its row and column and its text, so what is
    // typed replaces what the cell held.
    screen.addEventListener('focusin', (e) => {
      const cell = e.target;
      if (!cell.classList || !cell.classList.contains('cell')) return;
      cell.select();
      const tr = cell.closest('tr[data-row]');
      const grid = cell.closest('.grid');
      if (tr.classList.contains('selected') && grid.currentCol === cell.dataset.col) return;
      grid.currentCol = cell.dataset.col;
      choose(grid, tr, Number(cell.dataset.col));
    });

    screen.addEventListener('keydown', (e) => {
      const grid = e.target.closest && e.target.closest('.grid');
      if (!grid || e.altKey || e.ctrlKey || e.metaKey) return;
      if (e.target.classList.contains('cell')) {
        // Up and down (and Enter) go to the cell above or below, as in a sheet.
        const down = e.key === 'ArrowDown' || e.key === 'Enter';
        if (!down && e.key !== 'ArrowUp') return;
        e.preventDefault();
        const tr = e.target.closest('tr');
        const next = cellIn(down ? tr.nextElementSibling : tr.previousElementSibling, e.target.dataset.col);
        if (next) next.focus();
        return;
      }
      if (e.target.classList.contains('grid-search')) {
        if (e.key !== 'Enter') return;
        e.preventDefault();
        // Queued after the search typed so far: Enter opens the client it selects.
        if (api.handles(grid.id, 'keydown')) api.send({ type: 'keydown', control: grid.id, key: 13 });
        return;
      }
      if (MOVES[e.key]) {
        e.preventDefault();
        move(grid, e.key);
      } else if (e.key === 'Enter') {
        e.preventDefault();
        // The row is the server's selection, which the moves before reached in order.
        if (api.handles(grid.id, 'keydown')) api.send({ type: 'keydown', control: grid.id, key: 13 });
      }
    });

    screen.addEventListener('scroll', (e) => {
      if (e.target.classList && e.target.classList.contains('grid')) onScroll(e.target);
    }, true);
  }

  window.meridianGrids = { install, layout, reveal, windows };
})();
