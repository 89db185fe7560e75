// The page: reads a table from the text area, a file or an example, runs the program compiled
// to WebAssembly, and shows the console lines and the summary.
'use strict';

(function () {
  const $ = (id) => document.getElementById(id);
  const COLUMNS = ['Name', 'CR', 'HD', 'hp', '', 'Init', '', 'Spd', 'AC', 'Fort', 'Ref', 'Will',
    'Listen', 'Spot', '', 'Attacks and qualities'];
  const QUIET_LINES = ['Finished writing monster summary file.'];

  let veldarin = null;
  let fileBytes = null;  // an opened or dropped file, as it is, until the text is edited
  let summaryBytes = new Uint8Array(0);

  function hexToBytes(hex) {
    const bytes = new Uint8Array(hex.length / 2);
    for (let i = 0; i < bytes.length; ++i) bytes[i] = parseInt(hex.substr(2 * i, 2), 16);
    return bytes;
  }

  function useBytes(bytes) {
    fileBytes = bytes;
    $('input').value = new TextDecoder().decode(bytes);
  }

  function showConsole(text) {
    const pre = $('console');
    pre.textContent = '';
    const lines = text.split('\n');
    lines.pop();
    lines.forEach((line, i) => {
      const span = document.createElement('span');
      if (i > 0 && !QUIET_LINES.includes(line)) span.className = 'message';
      span.textContent = line + '\n';
      pre.appendChild(span);
    });
  }

  // Format 3's rows, or the rows after the paragraphs of format 4, as a table with headings.
  function showRows(text, format) {
    const view = $('rows-view');
    const table = $('rows');
    table.textContent = '';
    view.hidden = !(format === 3 || format === 4) || text === '';
    if (view.hidden) return;
    const start = format === 4 ? text.lastIndexOf('\n\n') + 2 : 0;
    const rows = text.slice(start).split('\n').filter((row) => row !== '');
    const shown = COLUMNS.map((heading, i) => heading !== '' ||
        rows.some((row) => (row.split('\t')[i] || '') !== ''));
    const head = table.createTHead().insertRow();
    COLUMNS.forEach((heading, i) => {
      if (!shown[i]) return;
      const th = document.createElement('th');
      th.scope = 'col';
      th.textContent = heading;
      head.appendChild(th);
    });
    const body = table.createTBody();
    for (const row of rows) {
      const tr = body.insertRow();
      row.split('\t').forEach((cell, i) => {
        if (i < COLUMNS.length && !shown[i]) return;
        const td = tr.insertCell();
        if (i > 0 && i < 14 && i !== 2 && i !== 3) td.className = 'number';
        td.textContent = cell;
      });
    }
  }

  // The codes of the chosen templates, as the /t switch takes them ("3,4,1"); "0" for none.
  function templateCodes() {
    const codes = [$('advanced').checked ? '3' : '', $('size').value, $('template').value]
        .filter((code) => code !== '' && code !== '0');
    return codes.length === 0 ? '0' : codes.join(',');
  }

  function run() {
    if (veldarin === null) return;
    const format = Number($('format').value);
    const result = veldarin.summarizeBytes(fileBytes || $('input').value, format,
        templateCodes(), $('rating').value);
    summaryBytes = result.summary;
    const text = new TextDecoder().decode(summaryBytes);
    showConsole(result.console);
    $('summary').textContent = text;
    showRows(text, format);
    $('copied').textContent = '';
    document.body.dataset.runs = String(Number(document.body.dataset.runs || 0) + 1);
  }

  function copy() {
    const text = $('summary').textContent;
    const done = () => { $('copied').textContent = 'Copied.'; };
    if (navigator.clipboard && window.isSecureContext) {
      navigator.clipboard.writeText(text).then(done, fallbackCopy);
    } else {
      fallbackCopy();
    }
    function fallbackCopy() {
      const range = document.createRange();
      range.selectNodeContents($('summary'));
      const selection = window.getSelection();
      selection.removeAllRanges();
      selection.addRange(range);
      if (document.execCommand('copy')) done();
      selection.removeAllRanges();
    }
  }

  function download() {
    const url = URL.createObjectURL(new Blob([summaryBytes], {type: 'text/plain'}));
    const link = document.createElement('a');
    link.href = url;
    link.download = 'summary.txt';
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
  }

  function readFile(file) {
    if (!file) return;
    file.arrayBuffer().then((buffer) => {
      useBytes(new Uint8Array(buffer));
      run();
    });
  }

  $('input').addEventListener('input', () => { fileBytes = null; });
  $('input').addEventListener('keydown', (event) => {
    if (event.key === 'Enter' && (event.ctrlKey || event.metaKey)) {
      event.preventDefault();
      run();
    }
  });
  $('input').addEventListener('dragover', (event) => {
    event.preventDefault();
    $('input').classList.add('dropping');
  });
  $('input').addEventListener('dragleave', () => $('input').classList.remove('dropping'));
  $('input').addEventListener('drop', (event) => {
    event.preventDefault();
    $('input').classList.remove('dropping');
    readFile(event.dataTransfer.files[0]);
  });
  $('file').addEventListener('change', () => readFile($('file').files[0]));
  for (const button of document.querySelectorAll('[data-example]')) {
    button.addEventListener('click', () => {
      useBytes(hexToBytes(VELDARIN_EXAMPLES[button.dataset.example]));
      run();
    });
  }
  $('run').addEventListener('click', run);
  $('copy').addEventListener('click', copy);
  $('download').addEventListener('click', download);

  for (let rating = 1; rating <= 30; ++rating) $('rating').add(new Option(String(rating)));

  createVeldarin().then((module) => {
    veldarin = module;
    window.summarize = module.summarize;
    window.summarizeBytes = module.summarizeBytes;
    if ($('input').value === '') useBytes(hexToBytes(VELDARIN_EXAMPLES['marsh-drakes']));
    run();
  });
})();
