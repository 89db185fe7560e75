// The built page in headless Chromium, opened from disk as a user would: it fills #input,
// chooses, clicks #run, and compares #summary, #console and the downloaded file with the
// command-line program.
import {test, after, before} from 'node:test';
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const root = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');
const program = process.env.VELDARIN_PROGRAM || path.join(root, 'build/release/veldarin');
const page_url = 'file://' + path.join(root, 'build/web/index.html');
const shots = path.join(root, 'build/web-test');
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'veldarin-browser-'));

let browser;
let page;

before(async () => {
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${path.join(scratch, 'profile')}`],
  });
  page = await browser.newPage();
  await page.setViewport({width: 1280, height: 800});
});

after(async () => {
  await browser?.close();
  fs.rmSync(scratch, {recursive: true, force: true});
});

// The command-line program's console and summary file for a table.
function commandLine(tableFile, args) {
  const dir = fs.mkdtempSync(path.join(scratch, 'run-'));
  fs.copyFileSync(tableFile, path.join(dir, 'table.txt'));
  const console = execFileSync(program, ['table.txt', 'out.txt', ...args], {cwd: dir, encoding: 'utf8'});
  return {console, summary: fs.readFileSync(path.join(dir, 'out.txt'))};
}

test('the page shows its first summary within a second of loading', async (t) => {
  const start = Date.now();
  await page.goto(page_url);
  await page.waitForSelector('body[data-runs]', {timeout: 5000});
  const elapsed = Date.now() - start;
  t.diagnostic(`first summary ${elapsed} ms after the page began to load`);
  assert.ok(elapsed < 1000, `first summary after ${elapsed} ms`);
  const summary = await page.$eval('#summary', (pre) => pre.textContent);
  assert.ok(summary.includes('Marsh Drake, Hatchling'), summary);
  fs.mkdirSync(shots, {recursive: true});
  await page.screenshot({path: path.join(shots, 'desktop.png'), fullPage: true});
});

test('a pasted table in format 4, advanced giant celestial, matches the command line', async () => {
  const table = path.join(root, 'examples/marsh-drakes.txt');
  await page.$eval('#input', (area, text) => {
    area.value = text;
    area.dispatchEvent(new Event('input', {bubbles: true}));
  }, fs.readFileSync(table, 'utf8'));
  await page.select('#format', '4');
  await page.select('#template', '1');
  await page.select('#size', '4');
  await page.click('#advanced');
  const runs = await page.$eval('body', (body) => Number(body.dataset.runs));
  await page.click('#run');
  await page.waitForFunction((n) => Number(document.body.dataset.runs) > n, {}, runs);

  const expected = commandLine(table, ['/f4', '/t3,4,1']);
  assert.equal(await page.$eval('#summary', (pre) => pre.textContent), expected.summary.toString());
  assert.equal(await page.$eval('#console', (pre) => pre.textContent), expected.console);
  assert.equal(await page.$$eval('#rows tbody tr', (rows) => rows.length), 3);

  const downloads = path.join(scratch, 'downloads');
  fs.mkdirSync(downloads);
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: downloads});
  await page.click('#download');
  const file = path.join(downloads, 'summary.txt');
  for (let i = 0; i < 100 && !fs.existsSync(file); ++i) await new Promise((r) => setTimeout(r, 50));
  assert.deepEqual(fs.readFileSync(file), expected.summary);
});

test('a message stands out, and the page fits a phone screen', async () => {
  await page.setViewport({width: 390, height: 844});
  await page.$eval('#input', (area) => {
    area.value = '';
    area.dispatchEvent(new Event('input', {bubbles: true}));
  });
  await page.click('#run');
  await page.waitForFunction(() => document.querySelector('#console').textContent.includes('found no data'));
  assert.equal(await page.$eval('#console .message', (line) => line.textContent),
      'loadFromFile(): found no data.\n');
  const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
  assert.ok(overflow <= 0, `the page is ${overflow} px wider than the screen`);
  await page.click('[data-example="grey-lurker"]');
  await page.screenshot({path: path.join(shots, 'phone.png'), fullPage: true});
});

test('nothing leaves the page: no console error, and no request reaches a server', async () => {
  let requests = 0;
  const server = http.createServer((request, response) => {
    requests += 1;
    response.end('x');
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const url = `http://127.0.0.1:${server.address().port}/`;
  const fresh = await browser.newPage();
  const errors = [];
  fresh.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  fresh.on('pageerror', (error) => errors.push(error.message));
  try {
    await fresh.goto(page_url);
    await fresh.waitForSelector('body[data-runs]', {timeout: 5000});
    for (const format of ['1', '2', '3', '4']) {
      await fresh.select('#format', format);
      const runs = await fresh.$eval('body', (body) => Number(body.dataset.runs));
      await fresh.click('#run');
      await fresh.waitForFunction((n) => Number(document.body.dataset.runs) > n, {}, runs);
    }
    assert.deepEqual(errors, []);
    await fresh.evaluate(async (target) => {
      await fetch(target + 'fetch').catch(() => {});
      await new Promise((resolve) => {
        const image = document.createElement('img');
        image.onload = image.onerror = resolve;
        image.src = target + 'image';
        document.body.append(image);
      });
    }, url);
    assert.equal(requests, 0);
    const folder = path.join(root, 'build/web');
    const size = fs.readdirSync(folder)
        .reduce((sum, name) => sum + fs.statSync(path.join(folder, name)).size, 0);
    // The whole page, libyaml, the JSON parser, the templates and the examples included, stays
    // small enough to mail.
    assert.ok(size < 580_000, `the page is ${size} bytes`);
  } finally {
    await fresh.close();
    server.close();
  }
});
