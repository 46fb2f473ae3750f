// The screen's message box, as modal as the desktop's: while it is open the
// focus stays on its buttons (or its text box), Enter presses the focused
// button, Escape answers No or Cancel, and keys typed ahead go nowhere
// instead of into the screen behind it. When it closes the focus goes back
// to where it was, with the caret where it was. The page is marked
// data-modal while it shows, so that a box losing the focus to it is not
// taken for the user leaving that box.
(function () {
  'use strict';

  const dialog = document.getElementById('dialog');
  const input = document.getElementById('dialogInput');
  const buttonsBox = document.getElementById('dialogButtons');
  const SETS = { ok: ['ok'], yesno: ['yes', 'no'], yesnocancel: ['yes', 'no', 'cancel'], okcancel: ['ok', 'cancel'] };
  const LABELS = { ok: 'OK', yes: 'Yes', no: 'No', cancel: 'Cancel' };

  // Where the focus was, to go back to after the message.
  function rememberFocus() {
    const el = document.activeElement;
    if (!el || el === document.body || dialog.contains(el)) return null;
    const caret = typeof el.selectionStart === 'number' ? [el.selectionStart, el.selectionEnd, el.selectionDirection] : null;
    return { el, caret };
  }

  function restoreFocus(was) {
    if (!was || !was.el.isConnected) return;
    was.el.focus();
    if (was.caret) {
      try { was.el.setSelectionRange(...was.caret); } catch (e) { /* not a text box */ }
    }
  }

  // Shows one message; resolves with { answer: 'ok'|'yes'|'no'|'cancel', text }.
  function ask(d) {
    return new Promise((resolve) => {
      const was = rememberFocus();
      document.getElementById('dialogTitle').textContent = d.title || 'Meridian';
      document.getElementById('dialogText').textContent = d.text;
      document.getElementById('dialogIcon').className = 'icon ' + (d.icon || 'none');
      dialog.dataset.icon = d.icon || 'none';
      input.hidden = !d.prompt;
      input.type = d.secret ? 'password' : 'text';
      input.value = '';
      buttonsBox.innerHTML = '';
      const answers = SETS[d.buttons] || SETS.ok;
      let defaultButton = null;
      for (const a of answers) {
        const b = document.createElement('button');
        b.type = 'button';
        b.id = 'dialog' + LABELS[a];
        b.dataset.answer = a;
        b.textContent = LABELS[a];
        b.addEventListener('click', () => finish(a));
        buttonsBox.appendChild(b);
        if (a === d.default) defaultButton = b;
      }
      defaultButton = defaultButton || buttonsBox.firstChild;
      const stops = () => (d.prompt ? [input] : []).concat(Array.from(buttonsBox.children));

      function finish(answer) {
        dialog.hidden = true;
        document.removeEventListener('keydown', keys, true);
        document.removeEventListener('focusin', trap, true);
        delete document.body.dataset.modal;
        const text = input.value;
        input.value = '';
        restoreFocus(was);
        resolve({ answer, text });
      }

      function keys(e) {
        const list = stops();
        const at = list.indexOf(document.activeElement);
        if (e.key === 'Escape') {
          finish(answers.includes('cancel') ? 'cancel' : answers.includes('no') ? 'no' : 'ok');
        } else if (e.key === 'Enter') {
          const focused = document.activeElement;
          finish(focused && focused.dataset && focused.dataset.answer ? focused.dataset.answer : d.prompt ? 'ok' : defaultButton.dataset.answer);
        } else if (e.key === 'Tab' || e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
          const step = e.key === 'ArrowLeft' || (e.key === 'Tab' && e.shiftKey) ? -1 : 1;
          if (e.key !== 'Tab' && document.activeElement === input) return; // arrows move the caret
          list[(at + step + list.length) % list.length].focus();
        } else if (document.activeElement === input) {
          return; // typing the answer
        }
        // Keys typed ahead of the message, space included, press nothing.
        e.preventDefault();
        e.stopPropagation();
      }

      // The focus cannot wander to the screen behind the message.
      function trap(e) {
        if (!dialog.contains(e.target)) (d.prompt ? input : defaultButton).focus();
      }

      document.body.dataset.modal = '1';
      dialog.hidden = false;
      document.addEventListener('keydown', keys, true);
      document.addEventListener('focusin', trap, true);
      (d.prompt ? input : defaultButton).focus();
    });
  }

  window.meridianAsk = ask;
  window.meridianModalOpen = () => !dialog.hidden;
  // A message from the validating boxes, shown as the screen's own message box.
  window.meridianMessage = (text, icon) => ask({ title: 'Meridian', text, icon: icon || 'none', buttons: 'ok', default: 'ok' });
})();
