// The page in headless Chromium, driven by Playwright: games won with the
// mouse, the keyboard and a finger, the canvas compared pixel for pixel with
// the desktop's drawing, the storage, the windows' accessibility, play with
// the network gone, redo, game numbers in the address and on the clipboard,
// the help on F1, and the page in English. One browser for every test; every
// wait is for an event or a condition, with a deadline.
//
//   node --test page_test.mjs   (TESSARO_SITE, TESSARO_NET_PIXELS, CHROMIUM)
import {describe, it, before, after} from 'node:test';
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {readFileSync} from 'node:fs';
import {join, dirname} from 'node:path';
import {fileURLToPath} from 'node:url';
import {chromium} from 'playwright-core';
import {serve} from '../../web/serve.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const site = process.env.TESSARO_SITE || join(here, '../../build-web/site');
const netPixels = process.env.TESSARO_NET_PIXELS || join(here, '../../build/tests/net_pixels');
const netProbe = join(dirname(netPixels), 'net_probe');
const axeSource = readFileSync(join(here, 'node_modules/axe-core/axe.min.js'), 'utf8');
const DEADLINE = 15000;  // ms, for any one condition
const OPTIONS_KEY = 'tessaro.GameOpt.dat';
const RECORDS_KEY = 'tessaro.records.txt';

// Playwright gives the browser a new, empty profile of its own.
let server, browser, url;

before(async () => {
  server = await serve(site);
  url = `http://127.0.0.1:${server.address().port}/`;
  browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
});

after(async () => {
  await browser?.close();
  server?.close();
});

// The options record as the page keeps it: 10 bytes, 20 hex digits.
function optionsText(blockN, difficulty, showShuffle) {
  const bytes = Buffer.alloc(10);
  bytes.writeInt32LE(blockN, 0);
  bytes.writeInt32LE(difficulty, 4);
  bytes.writeInt16LE(showShuffle, 8);
  return bytes.toString('hex');
}

function shuffleOf(seed, n, moves) {
  return execFileSync(netPixels, ['shuffle', String(seed), String(n), String(moves)], {encoding: 'utf8'})
      .trim().split('\n').filter(Boolean).map((line) => line.split(' ').map(Number));
}

// The desktop's shuffle of a game number: its block count and its moves.
function shuffleOfNumber(number) {
  const [n, ...moves] = execFileSync(netProbe, ['shuffle', number], {encoding: 'utf8'}).trim().split(' ');
  return {n: Number(n), moves: moves.map((move) => move.split(':').map(Number))};
}

const reverse = ([kind, line]) => [kind % 2 === 1 ? kind + 1 : kind - 1, line];

// Japanese anywhere in a text, as the desktop's tests look for it.
const JAPANESE = /[\u3000-\u30ff\u31f0-\u31ff\u3400-\u4dbf\u4e00-\u9fff\uf900-\ufaff\uff00-\uffef]/;

// A page with its own storage, whose shuffles come from `seed`, and whose
// stored values are set before it loads; its address ends in `fragment`. The
// browser prefers Japanese unless `locale` says otherwise.
async function openPage({seed = 7, stored = {}, viewport = {width: 1024, height: 700}, ratio = 1, touch = false,
                         noStorage = false, fragment = '', locale = 'ja-JP'} = {}) {
  const context = await browser.newContext({viewport, deviceScaleFactor: ratio, hasTouch: touch, isMobile: touch,
                                            locale});
  await context.addInitScript(({seed, stored, noStorage}) => {
    // The shuffle's seed is what the page draws from crypto: known here.
    crypto.getRandomValues = (array) => {
      array[0] = seed;
      if (array.length > 1) array[1] = 0;
      return array;
    };
    if (noStorage) {
      Object.defineProperty(window, 'localStorage', {get() { throw new DOMException('denied', 'SecurityError'); }});
    } else if (!sessionStorage.getItem('seeded')) {
      sessionStorage.setItem('seeded', '1');
      for (const [key, value] of Object.entries(stored)) localStorage.setItem(key, value);
    }
  }, {seed, stored, noStorage});
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(url + fragment);
  await page.waitForSelector('#main:not([hidden])', {timeout: DEADLINE});
  return {context, page, errors};
}

async function startGame(page) {
  await page.click('#mnuGame');
  await page.click('#mnuStart');
  // Play begins when the clock's label shows.
  await page.waitForFunction(() => document.getElementById('lblMes1').classList.contains('shown'), null,
                             {timeout: DEADLINE});
}

async function clickButton(page, [kind, line]) {
  const box = await page.locator(`button.move[data-kind="${kind}"][data-line="${line}"]`).boundingBox();
  assert.ok(box, `button ${kind},${line}`);
  await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
}

const label = (page, i) => page.locator(`#lblMes${i}`).textContent();

async function waitForDialog(page, id) {
  await page.waitForFunction((id) => document.getElementById(id).open, id, {timeout: DEADLINE});
}

// The pages wait for the splash, the shuffle and the browser far more than
// they compute: three at a time.
describe('the page in headless Chromium', {concurrency: 3}, () => {
  it('a 3 x 3 game from a known shuffle is won with the mouse, and the records keep it across a reload', async () => {
    const {context, page, errors} = await openPage({seed: 11, stored: {[OPTIONS_KEY]: optionsText(3, 5, 0)}});
    await startGame(page);
    const shuffle = shuffleOf(11, 3, 5);
    for (const move of [...shuffle].reverse()) await clickButton(page, reverse(move));
    await waitForDialog(page, 'congratulations');
    assert.equal(await page.locator('#Label1').textContent(), 'おめでとう');
    assert.equal(await label(page, 0), '現在全色一致している面数は　6　面です');
    assert.equal(await label(page, 2), '今までのクリック回数は　5　回です');
    // Beside the net: a third of face 3's left edge, face 5's top.
    const place = await page.locator('#congratulations').boundingBox();
    assert.ok(place.x > 0 && place.y > 100, JSON.stringify(place));
    await page.keyboard.press('Escape');
    assert.ok(await page.evaluate(() => document.getElementById('congratulations').open), 'Esc does not close it');
    await page.click('#cmdCongratulationsOK');
    assert.equal(await page.locator('button.move').count(), 0, 'the won net has no buttons');
    await page.mouse.click(10, 300);
    assert.equal(await label(page, 2), '今までのクリック回数は　5　回です');

    assert.equal(await page.evaluate(() => document.documentElement.lang), 'ja');
    const records = await page.evaluate((key) => localStorage.getItem(key), RECORDS_KEY);
    assert.match(records, /^Tessaro records 2\n3 5 \d+ 5 11 11 last\n$/);
    await page.reload();
    await page.waitForSelector('#main:not([hidden])', {timeout: DEADLINE});
    await page.click('#mnuGame');
    await page.click('#mnuRecords');
    await waitForDialog(page, 'records');
    const row = await page.locator('#records-rows tr').first().locator('td').allTextContents();
    assert.deepEqual(row.slice(0, 3), ['★', '3×3', '5回 (Easy)']);
    assert.deepEqual(row.slice(4), ['3-5-11', '5回', '3-5-11']);
    // Closed, the window gives the keys back at once.
    await page.click('#cmdRecordsClose');
    await page.keyboard.press('Shift+S');
    await waitForDialog(page, 'input-box');
    assert.deepEqual(errors, []);
    await context.close();
  });

  for (const ratio of [1, 1.5, 2]) {
    it(`the canvas is the desktop's drawing, pixel for pixel, at a device pixel ratio of ${ratio}`, async () => {
      const {context, page} = await openPage({seed: 5, ratio, viewport: {width: 801, height: 577},
                                              stored: {[OPTIONS_KEY]: optionsText(3, 6, 0)}});
      await startGame(page);
      const moves = shuffleOf(5, 3, 6);
      await clickButton(page, [4, 2]);
      moves.push([4, 2]);
      const shot = await page.evaluate(() => {
        const canvas = document.getElementById('net-canvas');
        const client = document.getElementById('client');
        const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
        let text = '';
        for (let i = 0; i < data.length; i += 32768) text += String.fromCharCode(...data.subarray(i, i + 32768));
        return {width: canvas.width, height: canvas.height, cssWidth: client.clientWidth,
                cssHeight: client.clientHeight, pixels: btoa(text)};
      });
      const desktop = execFileSync(netPixels, ['draw', String(shot.cssWidth), String(shot.cssHeight), String(ratio), '3',
                                               ...moves.flat().map(String)], {maxBuffer: 1 << 28});
      assert.equal(shot.width, Math.ceil(shot.cssWidth * ratio));
      const canvas = Buffer.from(shot.pixels, 'base64');
      assert.equal(canvas.length, desktop.length, 'the same size');
      let differing = 0, first = -1;
      for (let i = 0; i < canvas.length; ++i) {
        if (canvas[i] !== desktop[i]) {
          ++differing;
          if (first < 0) first = i;
        }
      }
      assert.equal(differing, 0, `bytes differ, the first at pixel ${first >> 2} (x ${(first >> 2) % shot.width})`);
      await context.close();
    });
  }

  it('a game is started and won with the keyboard alone, after the practice command sets one shuffle move',
       async () => {
    // A seed whose one move is kind 2 on line 1: the first button takes it back.
    let seed = 1;
    while (JSON.stringify(shuffleOf(seed, 3, 1)) !== '[[2,1]]') ++seed;
    const {context, page, errors} = await openPage({seed, stored: {[OPTIONS_KEY]: optionsText(3, 5, 0)}});
    await page.keyboard.press('Shift+S');
    await waitForDialog(page, 'input-box');
    assert.equal(await page.locator('#input-title').textContent(), '練習用の隠しコマンド');
    await page.keyboard.type('1');
    await page.keyboard.press('Enter');
    assert.equal(await page.evaluate((key) => localStorage.getItem(key), OPTIONS_KEY), optionsText(3, 1, 0));
    await page.keyboard.press('Alt+G');
    await page.keyboard.press('s');
    await page.waitForFunction(() => document.getElementById('lblMes1').classList.contains('shown'), null,
                               {timeout: DEADLINE});
    await page.keyboard.press('ArrowDown');
    assert.equal(await page.evaluate(() => document.activeElement.textContent), '1行目を左へ');
    assert.ok(await page.locator('#mark').isVisible());
    await page.keyboard.press('Space');
    await waitForDialog(page, 'congratulations');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'cmdCongratulationsOK');
    await page.keyboard.press('Enter');
    assert.equal(await page.evaluate(() => document.getElementById('congratulations').open), false);
    // Quit: the game ends and the page starts over, splash first.
    // (The splash is seen by an observer: on a busy machine its 1.5 s may be
    // over before a look after the key.)
    await page.evaluate(() => {
      const splash = document.getElementById('splash');
      window.splashesSeen = 0;
      new MutationObserver(() => { window.splashesSeen += splash.hidden ? 0 : 1; })
          .observe(splash, {attributes: true, attributeFilter: ['hidden']});
    });
    await page.keyboard.press('Alt+G');
    await page.keyboard.press('q');
    await page.waitForFunction(() => window.splashesSeen > 0, null, {timeout: DEADLINE});
    await page.waitForSelector('#main:not([hidden])', {timeout: DEADLINE});
    assert.equal(await page.locator('button.move').count(), 0);
    assert.equal(await page.locator('.mes.shown').count(), 0);
    assert.equal(await page.locator('#net-description').textContent(), 'ゲームはまだ始まっていません');
    assert.deepEqual(errors, []);
    await context.close();
  });

  it('the options round-trip byte for byte through the panel and a reload', async () => {
    // 7 moves set by the practice command, and the shuffle switch as 01 00.
    const {context, page} = await openPage({stored: {[OPTIONS_KEY]: '05000000070000000100'}});
    await page.keyboard.press('Alt+O');
    assert.equal(await page.inputValue('#cmbOption0'), '5');
    assert.equal(await page.inputValue('#cmbOption1'), 'Combo1', 'no word for 7 moves');
    assert.ok(await page.isChecked('#chkOption0'));
    assert.equal(await page.evaluate(() => document.activeElement.id), 'cmbOption0');
    await page.keyboard.press('Enter');
    assert.equal(await page.evaluate((key) => localStorage.getItem(key), OPTIONS_KEY), '0500000007000000ffff');

    await page.keyboard.press('Alt+O');
    await page.fill('#cmbOption0', 'ten');
    await page.keyboard.press('Enter');
    await waitForDialog(page, 'message-box');
    assert.match(await page.locator('#message-text').textContent(), /ブロック数（N of Block）が数値になっていません/);
    await page.keyboard.press('Enter');
    await page.fill('#cmbOption0', '10');
    await page.fill('#cmbOption1', 'Ultra');
    await page.click('#cmdOk');
    assert.equal(await page.evaluate((key) => localStorage.getItem(key), OPTIONS_KEY), '0a00000028000000ffff');
    await page.reload();
    await page.waitForSelector('#main:not([hidden])', {timeout: DEADLINE});
    await page.click('#mnuOption');
    assert.equal(await page.inputValue('#cmbOption0'), '10');
    assert.equal(await page.inputValue('#cmbOption1'), 'Ultra');
    await page.keyboard.press('Escape');
    assert.ok(await page.locator('#options').isHidden());
    await context.close();
  });

  it('stored data that cannot be read is told and kept; without storage the game plays and tells once',
       async () => {
    const bad = 'Tessaro records 1\n3 5 x\n';
    const {context, page, errors} = await openPage({seed: 3, stored: {[OPTIONS_KEY]: 'not a record',
                                                                     [RECORDS_KEY]: bad}});
    await page.click('#mnuGame');
    await page.click('#mnuStart');
    await waitForDialog(page, 'message-box');
    assert.match(await page.locator('#message-text').textContent(), /^オプションを読み込めませんでした。/);
    await page.click('#cmdMessageOK');
    await page.click('#mnuGame');
    await page.click('#mnuRecords');
    await waitForDialog(page, 'message-box');
    assert.match(await page.locator('#message-text').textContent(), /記録ファイルを読めませんでした。[^]*2行目/);
    await page.click('#cmdMessageOK');
    await waitForDialog(page, 'records');
    await page.click('#cmdRecordsClose');
    assert.equal(await page.evaluate((key) => localStorage.getItem(key), RECORDS_KEY), bad, 'left as it was');
    await context.close();

    const blocked = await openPage({noStorage: true});
    await blocked.page.click('#mnuGame');
    await blocked.page.click('#mnuStart');
    await waitForDialog(blocked.page, 'message-box');
    assert.match(await blocked.page.locator('#message-text').textContent(), /保存領域を使えません/);
    await blocked.page.click('#cmdMessageOK');
    await blocked.page.waitForFunction(() => document.getElementById('lblMes1').classList.contains('shown'), null,
                                       {timeout: DEADLINE});
    await blocked.page.click('#mnuGame');
    await blocked.page.click('#mnuStart');
    await blocked.page.waitForFunction(() => document.getElementById('lblMes1').classList.contains('shown'), null,
                                       {timeout: DEADLINE});
    assert.equal(await blocked.page.evaluate(() => document.getElementById('message-box').open), false, 'told once');
    assert.deepEqual([...errors, ...blocked.errors], []);
    await blocked.context.close();
  });

  it('the demonstration points the smiley at its buttons, and Esc ends it with the cube solved', async () => {
    const {context, page, errors} = await openPage({seed: 6, stored: {[OPTIONS_KEY]: optionsText(3, 5, -1)}});
    await page.keyboard.press('Alt+O');
    await page.check('#chkOption1');
    await page.click('#cmdOk');
    // Every place the smiley takes is written down as it takes it, with what
    // the page shows then: on a busy machine the demonstration may have gone
    // on to its next button before a poll looks.
    await page.evaluate(() => {
      const pointer = document.getElementById('demo-pointer');
      window.pointerPlaces = [];
      new MutationObserver(() => {
        if (pointer.hidden) return;
        const place = pointer.getBoundingClientRect();
        window.pointerPlaces.push({
          left: place.left, top: place.top, notice: document.getElementById('lblMes3').textContent,
          menusOff: document.getElementById('mnuGame').disabled && document.getElementById('mnuOption').disabled,
          pointerHidden: document.body.classList.contains('invisible-pointer')});
      }).observe(pointer, {attributes: true, attributeFilter: ['style', 'hidden']});
    });
    await page.click('#mnuGame');
    await page.click('#mnuStart');
    await page.waitForFunction(() => window.pointerPlaces.length > 0, null, {timeout: DEADLINE});
    const first = await page.evaluate(() => window.pointerPlaces[0]);
    assert.equal(first.notice, 'ただいまデモ中につき自動操作中');
    assert.ok(first.menusOff);
    assert.ok(first.pointerHidden);
    // The smiley stands on the button that takes the last shuffle move back.
    const [kind, line] = reverse(shuffleOf(6, 3, 5)[4]);
    await page.waitForFunction(([kind, line]) => {
      const button = document.querySelector(`button.move[data-kind="${kind}"][data-line="${line}"]`)
                         .getBoundingClientRect();
      return window.pointerPlaces.some(({left, top}) => Math.abs(left - button.left) < 1 &&
                                                        Math.abs(top - button.top) < 1);
    }, [kind, line], {timeout: DEADLINE});
    await page.keyboard.press('Escape');
    assert.ok(await page.locator('#demo-pointer').isHidden());
    assert.ok(await page.isEnabled('#mnuGame'));
    assert.equal(await page.locator('#net-description').textContent(), '現在全色一致している面数は　6　面です');
    assert.equal(await page.evaluate(() => document.getElementById('congratulations').open), false,
                 'a demonstration never wins');
    assert.deepEqual(errors, []);
    await context.close();
  });

  it('records that cannot be read are kept under a second name when the next win is saved', async () => {
    const bad = 'not the records\n';
    const {context, page} = await openPage({seed: 2, stored: {[OPTIONS_KEY]: optionsText(2, 1, 0),
                                                              [RECORDS_KEY]: bad}});
    await startGame(page);
    await clickButton(page, reverse(shuffleOf(2, 2, 1)[0]));
    await waitForDialog(page, 'message-box');
    assert.match(await page.locator('#message-text').textContent(), /「tessaro\.records-bad-1\.txt」として/);
    await page.click('#cmdMessageOK');
    await waitForDialog(page, 'congratulations');
    const kept = await page.evaluate(() => [localStorage.getItem('tessaro.records-bad-1.txt'),
                                            localStorage.getItem('tessaro.records.txt')]);
    assert.equal(kept[0], bad);
    assert.match(kept[1], /^Tessaro records 2\n2 1 \d+ 1 2 2 last\n$/);
    await context.close();
  });

  async function axe(page, what) {
    await page.addScriptTag({content: axeSource});
    const result = await page.evaluate(() => window.axe.run(document, {resultTypes: ['violations']}));
    const serious = result.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical');
    assert.deepEqual(serious.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), [], what);
  }

  it('axe-core finds nothing serious on the page, the options panel and the windows', async () => {
    const {context, page} = await openPage({seed: 9, stored: {[OPTIONS_KEY]: optionsText(2, 1, 0)}});
    await startGame(page);
    await axe(page, 'the page');
    await page.click('#mnuOption');
    await axe(page, 'the options panel');
    await page.click('#cmdCancel');
    await page.click('#mnuAbout');
    await waitForDialog(page, 'about');
    await axe(page, 'the about window');
    await page.click('#cmdSysInfo');
    await waitForDialog(page, 'message-box');
    assert.equal(await page.locator('#message-text').textContent(), '現時点ではｼｽﾃﾑ情報を使用できません');
    await page.click('#cmdMessageOK');
    await page.click('#cmdAboutOK');
    await clickButton(page, reverse(shuffleOf(9, 2, 1)[0]));
    await waitForDialog(page, 'congratulations');
    await axe(page, 'the congratulations window');
    await page.click('#cmdCongratulationsOK');
    await page.click('#mnuGame');
    await page.click('#mnuRecords');
    await waitForDialog(page, 'records');
    await axe(page, 'the records window');
    await page.click('#cmdRecordsClose');
    await page.keyboard.press('F1');
    await waitForDialog(page, 'help');
    await axe(page, 'the help window');
    await context.close();
  });

  it('once loaded, the page plays with the network gone, and can be installed as an app', async () => {
    const {context, page} = await openPage();
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null || location.reload(), null,
                               {timeout: DEADLINE});
    // What a browser needs to offer to install it: nothing is missing but a
    // profile of the player's own (the test's is a private one).
    const cdp = await context.newCDPSession(page);
    const {installabilityErrors} = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors.map((e) => e.errorId).filter((id) => id !== 'in-incognito'), []);
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('#main:not([hidden])', {timeout: DEADLINE});
    await startGame(page);
    assert.ok(await page.locator('button.move').count() > 0);
    await context.close();
  });

  it('a finger plays in a 390 x 844 phone viewport, and the windows fit a 360 pixel width', async () => {
    const {context, page, errors} = await openPage({seed: 4, touch: true, viewport: {width: 390, height: 844},
                                                    stored: {[OPTIONS_KEY]: optionsText(3, 5, 0)}});
    await page.tap('#mnuGame');
    await page.tap('#mnuStart');
    await page.waitForFunction(() => document.getElementById('lblMes1').classList.contains('shown'), null,
                               {timeout: DEADLINE});
    const net = await page.locator('#client').boundingBox();
    const box = await page.locator('button.move[data-kind="1"][data-line="1"]').boundingBox();
    assert.ok(box.x >= net.x && box.x + box.width <= net.x + net.width, 'the net fits the screen');
    await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
    await page.waitForFunction(() => document.getElementById('lblMes2').textContent.includes('　1　'), null,
                               {timeout: DEADLINE});
    await page.setViewportSize({width: 360, height: 740});
    for (const [menu, dialog] of [['#mnuAbout', '#about']]) {
      await page.tap(menu);
      // The whole window, its last control among it, not only its frame.
      for (const part of [dialog, '#cmdSysInfo', '#picIcon0']) {
        const rect = await page.locator(part).boundingBox();
        assert.ok(rect.x >= 0 && rect.x + rect.width <= 360, `${part} fits: ${JSON.stringify(rect)}`);
      }
      await page.tap('#cmdAboutOK');
    }
    await page.tap('#mnuOption');
    const panel = await page.locator('#options').boundingBox();
    assert.ok(panel.x + panel.width <= 360);
    assert.deepEqual(errors, []);
    await context.close();
  });

  const clicks = (page) => label(page, 2);
  const description = (page) => page.locator('#net-description').textContent();

  it('Y and Ctrl+Y make again what Z took back, each as a press, until a move of the player\'s own', async () => {
    const {context, page, errors} = await openPage({seed: 12, stored: {[OPTIONS_KEY]: optionsText(3, 5, 0)}});
    await startGame(page);
    const back = [...shuffleOf(12, 3, 5)].reverse().map(reverse);
    const seen = [];
    for (const move of back.slice(0, 3)) {
      await clickButton(page, move);
      seen.push(await description(page));
    }
    await page.keyboard.press('z');
    await page.keyboard.press('Control+z');
    assert.equal(await clicks(page), '今までのクリック回数は　3　回です', 'undo is no click');
    assert.equal(await description(page), seen[0]);
    await page.keyboard.press('y');
    assert.equal(await description(page), seen[1]);
    assert.equal(await clicks(page), '今までのクリック回数は　4　回です', 'a redone move is a click');
    await page.keyboard.press('Control+y');
    assert.equal(await description(page), seen[2]);
    await page.keyboard.press('y');
    assert.equal(await clicks(page), '今までのクリック回数は　5　回です', 'nothing more to make again');
    // A move of the player's own drops what could be made again. (Z as a
    // German keyboard types it, where an English one has Y: the letter counts.)
    await page.evaluate(() => document.activeElement.dispatchEvent(
        new KeyboardEvent('keydown', {key: 'z', code: 'KeyY', bubbles: true, cancelable: true})));
    assert.equal(await description(page), seen[1], 'the letter z takes back, wherever its key is');
    await clickButton(page, back[2]);
    await page.keyboard.press('y');
    assert.equal(await clicks(page), '今までのクリック回数は　6　回です');
    await page.keyboard.press('z');
    await page.keyboard.press('z');
    await page.keyboard.press('Shift+y');
    await page.keyboard.press('y');
    for (const move of back.slice(3)) await clickButton(page, move);
    await waitForDialog(page, 'congratulations');
    assert.equal(await clicks(page), '今までのクリック回数は　10　回です');
    assert.deepEqual(errors, []);
    await context.close();
  });

  it('a link with a game number starts exactly that game, whose records keep the number across a reload',
       async () => {
    const number = '3-4-12345';
    const {n, moves} = shuffleOfNumber(number);
    assert.equal(n, 3);
    const stored = {[OPTIONS_KEY]: optionsText(2, 1, 0)};
    const {context, page, errors} = await openPage({seed: 8, stored, fragment: `#${number}`});
    await page.waitForFunction(() => document.getElementById('lblMes1').classList.contains('shown'), null,
                               {timeout: DEADLINE});
    assert.equal(await page.locator('button.move').count(), 6 * n, 'the number\'s blocks, not the options\'');
    for (const move of [...moves].reverse()) await clickButton(page, reverse(move));
    await waitForDialog(page, 'congratulations');
    assert.equal(await clicks(page), '今までのクリック回数は　4　回です');
    await page.click('#cmdCongratulationsOK');
    const kept = await page.evaluate(([o, r]) => [localStorage.getItem(o), localStorage.getItem(r)],
                                     [OPTIONS_KEY, RECORDS_KEY]);
    assert.equal(kept[0], stored[OPTIONS_KEY], 'the options are neither read nor written');
    assert.match(kept[1], /^Tessaro records 2\n3 4 \d+ 4 12345 12345 last\n$/);
    assert.equal(await page.evaluate(() => location.hash), `#${number}`);

    // Start: the address follows the game on the net.
    await startGame(page);
    assert.equal(await page.evaluate(() => location.hash), '#2-1-8');
    await page.reload();
    await page.waitForFunction(() => document.getElementById('lblMes1').classList.contains('shown'), null,
                               {timeout: DEADLINE});
    assert.equal(await page.locator('button.move').count(), 12, 'the reloaded address is that game again');
    await page.click('#mnuGame');
    await page.click('#mnuRecords');
    await waitForDialog(page, 'records');
    assert.deepEqual(await page.locator('#records thead th').allTextContents(),
                     ['★', 'ブロック数', '難易度', '最短時間', 'ゲーム番号', '最少クリック数', 'ゲーム番号']);
    const row = await page.locator('#records-rows tr').first().locator('td').allTextContents();
    assert.deepEqual([...row.slice(0, 3), ...row.slice(4)], ['★', '3×3', '4回', number, '4回', number]);
    await page.click('#cmdRecordsClose');

    // A changed address that is no game number is told as the menu's box
    // tells it, and the game goes on.
    const before = await description(page);
    await page.evaluate(() => { location.hash = '#3-0-5'; });
    await waitForDialog(page, 'message-box');
    assert.equal(await page.locator('#message-text').textContent(),
                 'ゲーム番号「3-0-5」のシャッフルの回数は使えません。\nシャッフルの回数は1から9999までです。');
    await page.click('#cmdMessageOK');
    assert.equal(await description(page), before);
    assert.equal(await page.locator('button.move').count(), 12);
    // A link followed in the open page starts its game.
    await page.evaluate(() => { location.hash = '#4-2-99'; });
    await page.waitForFunction(() => document.querySelectorAll('button.move').length === 24, null,
                               {timeout: DEADLINE});
    assert.deepEqual(errors, []);
    await context.close();
  });

  it('Copy game number is on while the game has one, and puts it on the clipboard, with or without the ' +
       'clipboard\'s interface', async () => {
    const {context, page, errors} = await openPage({seed: 5, stored: {[OPTIONS_KEY]: optionsText(3, 0, 0)}});
    await context.grantPermissions(['clipboard-read', 'clipboard-write'], {origin: url});
    await page.click('#mnuGame');
    assert.ok(await page.isDisabled('#mnuCopyNumber'), 'before the first game');
    await page.click('#mnuStart');
    await page.click('#mnuGame');
    assert.ok(await page.isDisabled('#mnuCopyNumber'), 'a game without shuffle has no number');
    assert.equal(await page.evaluate(() => location.href), url);
    // Game > Start from number, by its access keys.
    await page.click('#mnuGame');
    await page.keyboard.press('Alt+G');
    await page.keyboard.press('n');
    await waitForDialog(page, 'input-box');
    assert.equal(await page.locator('#input-title').textContent(), 'ゲーム番号から始める');
    assert.equal(await page.locator('#input-prompt').textContent(), 'ゲーム番号を半角で入力して下さい\n（例: 3-20-4093127）');
    await page.keyboard.type(' 5-7-1234 ');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.getElementById('lblMes1').classList.contains('shown'), null,
                               {timeout: DEADLINE});
    assert.equal(await page.evaluate(() => location.hash), '#5-7-1234');
    await page.keyboard.press('Alt+G');
    await page.keyboard.press('c');
    // The announcer still holds the last announcement until the new one's
    // frame comes: wait for the copy's own sentence.
    await page.waitForFunction((told) => document.getElementById('announcer').textContent === told,
                               'ゲーム番号 5-7-1234 をコピーしました', {timeout: DEADLINE});
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), '5-7-1234');
    // The practice command's box is still its own.
    await page.keyboard.press('Shift+S');
    await waitForDialog(page, 'input-box');
    assert.equal(await page.locator('#input-title').textContent(), '練習用の隠しコマンド');
    await page.keyboard.press('Escape');
    assert.deepEqual(errors, []);

    // Without the clipboard's interface (an address without HTTPS), the
    // selection is copied.
    await page.evaluate(() => {
      window.clipboardKept = navigator.clipboard;
      Object.defineProperty(Navigator.prototype, 'clipboard', {get: () => undefined});
      return window.clipboardKept.writeText('');
    });
    await page.click('#mnuGame');
    await page.click('#mnuCopyNumber');
    assert.equal(await page.evaluate(() => window.clipboardKept.readText()), '5-7-1234');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'net');
    await context.close();
  });

  it('F1 opens how to play while the clock runs on, and Esc or its button closes it', async () => {
    const {context, page, errors} = await openPage({seed: 3, stored: {[OPTIONS_KEY]: optionsText(3, 5, 0)}});
    await startGame(page);
    const clock = await label(page, 1);
    await page.keyboard.press('F1');
    await waitForDialog(page, 'help');
    assert.equal(await page.locator('#help-caption').textContent(), '遊び方');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'txtHelp', 'the text first, for a reader');
    const headings = await page.locator('#txtHelp h3').allTextContents();
    assert.deepEqual(headings, ['目標', 'ボタン', 'キー', '記録', 'ゲーム番号']);
    assert.match(await page.locator('#txtHelp').textContent(), /Y　Z で取り消した手を/);
    await page.waitForFunction((clock) => document.getElementById('lblMes1').textContent !== clock, clock,
                               {timeout: DEADLINE});
    await page.keyboard.press('Escape');
    assert.equal(await page.evaluate(() => document.getElementById('help').open), false);
    // The keys are the net's again at once.
    await page.keyboard.press('ArrowDown');
    assert.ok(await page.locator('#mark').isVisible());
    await page.click('#mnuGame');
    await page.click('#mnuHelp');
    await waitForDialog(page, 'help');
    await page.click('#cmdHelpClose');
    assert.equal(await page.evaluate(() => document.getElementById('help').open), false);
    assert.deepEqual(errors, []);
    await context.close();
  });

  // Every text the page can show, hidden or not, with every name and value a
  // reader or the browser shows.
  async function japaneseLeft(page) {
    return page.evaluate((pattern) => {
      const japanese = new RegExp(pattern);
      const found = [];
      const walker = document.createTreeWalker(document.documentElement, NodeFilter.SHOW_TEXT);
      for (let node = walker.nextNode(); node; node = walker.nextNode()) {
        if (node.parentElement.closest('script, style')) continue;
        if (japanese.test(node.data)) found.push(node.data);
      }
      for (const element of document.querySelectorAll('*')) {
        for (const name of ['aria-label', 'alt', 'title', 'placeholder', 'content', 'value']) {
          const value = element.getAttribute(name);
          if (value && japanese.test(value)) found.push(`${name}: ${value}`);
        }
        if (element.value && japanese.test(element.value)) found.push(`value: ${element.value}`);
      }
      return found;
    }, JAPANESE.source);
  }

  it('a browser that prefers English gets the page in English, from the desktop\'s translation', async () => {
    const {context, page, errors} = await openPage({locale: 'en-US', seed: 4, fragment: '#three',
                                                    stored: {[OPTIONS_KEY]: optionsText(2, 1, 0)}});
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
    // The address that is no game number, in English.
    await waitForDialog(page, 'message-box');
    assert.match(await page.locator('#message-text').textContent(), /^“three” cannot be read as a game number\./);
    assert.deepEqual(await japaneseLeft(page), []);
    await page.click('#cmdMessageOK');
    await startGame(page);
    await page.waitForFunction(() => document.getElementById('lblMes1').textContent !== '', null,
                               {timeout: DEADLINE});
    assert.match(await label(page, 1), /^Time taken: 00:00:0\d$/);
    assert.equal(await page.locator('button.move').first().textContent(), 'Row 1 left');
    assert.deepEqual(await japaneseLeft(page), []);
    await clickButton(page, reverse(shuffleOf(4, 2, 1)[0]));
    await waitForDialog(page, 'congratulations');
    assert.equal(await page.locator('#Label1').textContent(), 'Well done!');
    assert.deepEqual(await japaneseLeft(page), []);
    await page.click('#cmdCongratulationsOK');
    const windows = [
      ['#mnuRecords', 'records', '#cmdRecordsClose'], ['#mnuHelp', 'help', '#cmdHelpClose'],
      ['#mnuStartFromNumber', 'input-box', '#cmdInputCancel'],
    ];
    for (const [entry, dialog, close] of windows) {
      await page.click('#mnuGame');
      await page.click(entry);
      await waitForDialog(page, dialog);
      assert.deepEqual(await japaneseLeft(page), [], dialog);
      await page.click(close);
    }
    assert.equal(await page.locator('#records-rows td.number').first().textContent(), '2-1-4');
    await page.click('#mnuAbout');
    await waitForDialog(page, 'about');
    assert.equal(await page.locator('#cmdSysInfo').textContent(), 'System Info...');
    await page.click('#cmdSysInfo');
    await waitForDialog(page, 'message-box');
    assert.equal(await page.locator('#message-text').textContent(), 'System information is not available now');
    await page.click('#cmdMessageOK');
    await page.click('#cmdAboutOK');
    // The demonstration's notice.
    await page.click('#mnuOption');
    await page.check('#chkOption1');
    await page.click('#cmdOk');
    await page.click('#mnuGame');
    await page.click('#mnuStart');
    await page.waitForFunction(() => !document.getElementById('demo-pointer').hidden, null, {timeout: DEADLINE});
    assert.equal(await label(page, 3), 'Demonstration: the game plays by itself');
    assert.deepEqual(await japaneseLeft(page), []);
    assert.deepEqual(errors, []);
    await context.close();
  });
});
