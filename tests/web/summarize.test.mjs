// The page's summarize() under node: byte for byte what the command-line program gives.
import {test} from 'node:test';
import assert from 'node:assert/strict';
import {spawnSync} from 'node:child_process';
import {createRequire} from 'node:module';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

const require = createRequire(import.meta.url);
const root = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');
const program = process.env.VELDARIN_PROGRAM || path.join(root, 'build/release/veldarin');
const veldarin = await require(path.join(root, 'build/web/veldarin.js'))();

const BANNER = 'VELDARIN version ' +
    fs.readFileSync(path.join(root, 'CMakeLists.txt'), 'utf8').match(/project\(veldarin VERSION (\S+)/)[1] +
    ', monster statistics condenser.\n';
const FINISHED = 'Finished writing monster summary file.\n';
const COMBINATIONS = [1, 2, 3, 4].flatMap((f) => [0, 1, 2].map((t) => [f, t]));

// What the command-line program prints and writes for a table, in a scratch folder.
function commandLine(table, format, templateCode) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'veldarin-web-'));
  try {
    fs.writeFileSync(path.join(dir, 'table.txt'), table);
    // A run that fails exits with 1; its console is what counts here.
    const console = spawnSync(program, ['table.txt', 'out.txt', `/f${format}`, `/t${templateCode}`],
        {cwd: dir, encoding: 'utf8'}).stdout;
    const out = path.join(dir, 'out.txt');
    return {console, summary: fs.existsSync(out) ? fs.readFileSync(out) : Buffer.alloc(0)};
  } finally {
    fs.rmSync(dir, {recursive: true});
  }
}

// The examples in every template (fifth-edition monsters have none; the simple templates and a
// rating on one of each edition), and two whole bestiaries under one, by their switches.
const ALIGNMENT = ['t0', 't1', 't2'];
const STORED = [['examples', 'marsh-drakes', [...ALIGNMENT, 't4,1']], ['examples', 'grey-lurker', ALIGNMENT],
  ['examples', 'bog-hounds', [...ALIGNMENT, 't3']],
  ['examples', 'pathfinder-beasts', [...ALIGNMENT, 't2,3', 't5', 't7,4']],
  ['examples', 'fifth-edition-beasts', ['t0', 'c5']], ['tests/bestiary', 'twenty-blocks', ['t1']],
  ['tests/bestiary', 'twelve-columns', ['t2']],
  ['examples', 'homebrew-toad', ['t0'], '.md'], ['examples', 'pathfinder-note', ['t0'], '.md'], ['examples', 'fen-vermin', ['t0'], '.md'],
  ['examples', 'statblock-note', ['t0'], '.md'], ['examples', 'pathfinder-statblock', ['t0'], '.md'],
  ['examples', 'tool-bestiary', ['t0'], '.json']];

test('the examples and bestiaries give the stored summaries in every format', () => {
  for (const [folder, example, switches, extension = '.txt'] of STORED) {
    const table = fs.readFileSync(path.join(root, folder, `${example}${extension}`), 'utf8');
    for (const f of [1, 2, 3, 4]) {
      for (const option of switches) {
        const golden = fs.readFileSync(path.join(root, `tests/golden/${example}-f${f}-${option}.txt`), 'utf8');
        const [templates, rating] = option.startsWith('c') ? ['0', option.slice(1)] : [option.slice(1), ''];
        assert.deepEqual(veldarin.summarize(table, f, templates, rating),
            {summary: golden, console: BANNER + FINISHED}, `${example} /f${f} /${option}`);
      }
    }
  }
});

test('every test table gives the command line\'s bytes and console', () => {
  const tables = path.join(root, 'tests/web/tables');
  for (const name of fs.readdirSync(tables)) {
    const bytes = new Uint8Array(fs.readFileSync(path.join(tables, name)));
    for (const [f, t] of COMBINATIONS) {
      const expected = commandLine(bytes, f, t);
      const result = veldarin.summarizeBytes(bytes, f, t);
      assert.equal(result.console, expected.console, `${name} /f${f} /t${t}`);
      assert.deepEqual(Buffer.from(result.summary), expected.summary, `${name} /f${f} /t${t}`);
    }
  }
});

test('messages for an empty table and bad codes; a table of ten monsters', () => {
  assert.deepEqual(veldarin.summarize('', 1, 0),
      {summary: '', console: BANNER + 'loadFromFile(): found no data.\n'});
  const wide = fs.readFileSync(path.join(root, 'tests/web/tables/ten-columns.txt'), 'utf8');
  const result = veldarin.summarize(wide, 3, 0);
  assert.equal(result.console, BANNER + FINISHED);
  assert.equal(result.summary.split('\n').length - 1, 10);
  assert.equal(veldarin.summarize(wide, 5, 0).console,
      BANNER + 'paramsErrorCheck(): The [/f#] parameter only has valid values of 1-4.\n');
  assert.equal(veldarin.summarize(wide, 1, [4, 5]).console,
      BANNER + 'paramsErrorCheck(): The [/t#] parameter only has valid values of 0-7, each at most ' +
      'once, joined by commas, with at most one of 1, 2, 6 and 7 and not both 4 and 5.\n');
  assert.equal(veldarin.summarize(wide, 1, 0, '0.3').console, BANNER + 'paramsErrorCheck(): The ' +
      '[/c#] parameter only has valid values of 0, 0.125, 0.25, 0.5 and 1-30.\n');
  assert.equal(veldarin.summarize(wide, 1, '3,2').console, BANNER + FINISHED);
});
