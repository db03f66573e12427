// The page's figures, measured in headless Chromium on localhost:
//   - size: every file the page loads, compressed as a web server would (gzip -9);
//   - splash: from navigation to the first drawn frame, which shows the splash;
//   - press: a press on a move button of a 10 x 10 net at 1920 x 1080 until
//     the canvas holds the new picture (200 presses after 20 to warm up);
//   - idle: what runs in 5 s of a game left alone (timers, frames).
//
// Usage: node bench/web_bench.mjs [site folder]   (needs npm ci in tests/web)
import {readFileSync} from 'node:fs';
import {gzipSync} from 'node:zlib';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {createRequire} from 'node:module';
import {serve} from '../web/serve.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const {chromium} = createRequire(join(here, '../tests/web/package.json'))('playwright-core');
const site = process.argv[2] || join(here, '../build-web/site');

const server = await serve(site);
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync'],
});

// What a first visit loads, with the worker's list of kept files.
const sw = readFileSync(join(site, 'sw.js'), 'utf8');
const list = sw.match(/^var FILES = \[(.*)\];$/m)[1];
const files = [...list.matchAll(/'([^']+)'/g)].map((m) => m[1]).filter((f) => f !== './');
files.push('sw.js');
let raw = 0, packed = 0;
for (const file of files) {
  const bytes = readFileSync(join(site, file));
  raw += bytes.length;
  packed += gzipSync(bytes, {level: 9}).length;
}
console.log(`size: ${files.length} files, ${(raw / 1024).toFixed(1)} KB, ${(packed / 1024).toFixed(1)} KB compressed`);

const splash = [];
for (let run = 0; run < 7; ++run) {
  const context = await browser.newContext({viewport: {width: 1920, height: 1080}});
  const page = await context.newPage();
  await page.goto(url);
  splash.push(await page.evaluate(() => new Promise((done) => {
    const paints = () => performance.getEntriesByName('first-contentful-paint');
    const look = () => paints().length ? done(paints()[0].startTime) : setTimeout(look, 20);
    look();
  })));
  await context.close();
}
splash.sort((a, b) => a - b);
console.log(`splash: median ${splash[3].toFixed(0)} ms from navigation (of 7, worst ${splash[6].toFixed(0)} ms)`);

const context = await browser.newContext({viewport: {width: 1920, height: 1080}});
await context.addInitScript(() => {
  localStorage.setItem('tessaro.GameOpt.dat', '0a00000000000000ffff');  // 10 x 10, no shuffle: no press wins
  // Counts what runs: timer callbacks and animation frames.
  window.ran = {timers: 0, frames: 0};
  const wrap = (name, counter) => {
    const original = window[name];
    window[name] = function (callback, ...rest) {
      return original.call(window, function (...args) { window.ran[counter]++; return callback.apply(this, args); },
                           ...rest);
    };
  };
  wrap('setTimeout', 'timers');
  wrap('setInterval', 'timers');
  wrap('requestAnimationFrame', 'frames');
});
const page = await context.newPage();
await page.goto(url);
await page.waitForSelector('#main:not([hidden])');
await page.click('#mnuGame');
await page.click('#mnuStart');
await page.waitForFunction(() => document.getElementById('lblMes1').classList.contains('shown'));
const press = await page.evaluate(() => {
  const canvas = document.getElementById('net-canvas');
  const button = document.querySelector('button.move[data-kind="3"][data-line="5"]').getBoundingClientRect();
  const at = {clientX: button.left + button.width / 2, clientY: button.top + button.height / 2, bubbles: true};
  const times = [];
  for (let i = -20; i < 200; ++i) {  // the first 20 warm the engine up
    const start = performance.now();
    canvas.dispatchEvent(new PointerEvent('pointerdown', at));
    // Reading a pixel waits for the canvas to hold what was put into it.
    canvas.getContext('2d').getImageData(0, 0, 1, 1);
    if (i >= 0) times.push(performance.now() - start);
  }
  times.sort((a, b) => a - b);
  return {median: times[100], p95: times[190], worst: times[199]};
});
console.log(`press: 10 x 10 at 1920 x 1080, median ${press.median.toFixed(2)} ms, 95 % within ${press.p95.toFixed(2)} ms, worst ${press.worst.toFixed(2)} ms`);
const before = await page.evaluate(() => ({...window.ran}));
await page.waitForTimeout(5000);
const idle = await page.evaluate((before) => ({timers: window.ran.timers - before.timers,
                                               frames: window.ran.frames - before.frames}), before);
console.log(`idle: in 5 s of a game left alone, ${idle.timers} timer callbacks (the clock's ticks), ${idle.frames} frames`);

await browser.close();
server.close();
