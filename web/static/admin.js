// User administration: a list of users to pick from by click or arrow keys,
// buttons that act on the picked user, and the client passwords. Every step
// goes to the server, which answers with the list as it now stands and a
// sentence saying what was done (or why not).
(() => {
  'use strict';
  const csrf = document.querySelector('meta[name="csrf"]').content;
  const rows = document.getElementById('userRows');
  const message = document.getElementById('adminMessage');
  const rightList = document.getElementById('rightNo');
  let users = [];
  let selected = null;

  function say(text, isError) {
    message.textContent = text || '';
    message.classList.toggle('error', !!isError);
  }

  async function call(method, url, body) {
    const res = await fetch(url, {
      method,
      headers: { 'Content-Type': 'application/json', 'X-CSRF-Token': csrf },
      body: body ? JSON.stringify(body) : undefined,
      credentials: 'same-origin',
    });
    if (res.status === 401) { location.href = '/signin'; return null; }
    let reply = null;
    try { reply = await res.json(); } catch (e) { reply = null; }
    if (!res.ok) throw new Error((reply && reply.message) || ('The server refused the step (' + res.status + ').'));
    return reply;
  }

  function standing(u) {
    const parts = [];
    if (u.disabled) parts.push('disabled');
    if (u.locked) parts.push('sign-in locked');
    if (u.mustChange) parts.push('one-time password');
    return parts.join(', ') || 'active';
  }

  function show(reply) {
    users = reply.users;
    if (!rightList.options.length) {
      for (const r of reply.rights) rightList.add(new Option(r.number + ' ' + r.name, r.number));
    }
    rows.replaceChildren();
    users.forEach((u, i) => {
      const tr = document.createElement('tr');
      tr.dataset.index = i;
      tr.id = 'user-' + u.username;
      if (u.disabled) tr.classList.add('disabled');
      for (const text of [u.username, u.fullName, u.rights.join(', '), standing(u)]) {
        const td = document.createElement('td');
        td.textContent = text;
        tr.appendChild(td);
      }
      tr.addEventListener('click', () => select(i));
      rows.appendChild(tr);
    });
    document.getElementById('protectedClients').textContent = reply.protectedClients.join(', ') || 'none';
    const again = users.findIndex((u) => selected && u.username === selected.username);
    select(again);
  }

  function select(i) {
    selected = i >= 0 && i < users.length ? users[i] : null;
    rows.querySelectorAll('tr').forEach((tr) => tr.classList.toggle('selected', Number(tr.dataset.index) === i));
    document.getElementById('selectedUser').textContent = selected ? selected.username : 'No user selected';
  }

  async function step(action, extra) {
    try {
      const reply = await call('POST', '/admin/' + action, extra);
      if (reply) { show(reply); say(reply.message); }
    } catch (e) {
      say(e.message, true);
    }
  }

  function onSelected(action, extra) {
    return () => {
      if (!selected) { say('Select a user first.', true); return; }
      step(action, Object.assign({ username: selected.username }, extra ? extra() : {}));
    };
  }

  document.getElementById('users').addEventListener('keydown', (e) => {
    if (e.key !== 'ArrowDown' && e.key !== 'ArrowUp') return;
    e.preventDefault();
    const at = selected ? users.indexOf(selected) : -1;
    select(Math.max(0, Math.min(users.length - 1, at + (e.key === 'ArrowDown' ? 1 : -1))));
  });
  document.getElementById('disableUser').addEventListener('click', onSelected('disable'));
  document.getElementById('enableUser').addEventListener('click', onSelected('enable'));
  document.getElementById('resetPassword').addEventListener('click', onSelected('reset'));
  document.getElementById('liftLock').addEventListener('click', onSelected('unlock'));
  document.getElementById('grantRight').addEventListener('click', onSelected('grant', () => ({ right: Number(rightList.value) })));
  document.getElementById('revokeRight').addEventListener('click', onSelected('revoke', () => ({ right: Number(rightList.value) })));
  document.getElementById('addUser').addEventListener('click', () => {
    const name = document.getElementById('newUser');
    step('add', { username: name.value.trim() }).then(() => { name.value = ''; });
  });
  document.getElementById('newUser').addEventListener('keydown', (e) => {
    if (e.key === 'Enter') document.getElementById('addUser').click();
  });
  const code = document.getElementById('clientCode');
  const secret = document.getElementById('clientPassword');
  document.getElementById('setClientPassword').addEventListener('click', () => {
    step('client-password', { code: code.value.trim(), password: secret.value }).then(() => { secret.value = ''; });
  });
  document.getElementById('clearClientPassword').addEventListener('click', () => step('client-clear', { code: code.value.trim() }));

  call('GET', '/admin/users').then((reply) => { if (reply) show(reply); }).catch((e) => say(e.message, true));
})();
