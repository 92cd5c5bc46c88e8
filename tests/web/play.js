// Plays Tarvello's browser build in headless Chromium as a person would, through the same
// screens as the native window test: intro, main menu, options, setup with two seats, a game with
// throws, the in-game menu, abort, and Exit. Checks the log lines (the console) in order, page
// errors, the exit status and the leak report, that the music was heard, and saves the setup and
// game screens for scripts/web-test.sh to compare with the golden pictures.
// Usage: node play.js <url> <folder for the screenshots and the log>
// Environment: START_BUTTON and THROW_BUTTON, "x y width height" from the build's buttons.sh.
'use strict';
const fs = require('fs');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [url, out] = process.argv.slice(2);
const button = (name) => (process.env[name] || '').split(' ').map(Number);
const startButton = button('START_BUTTON');
const throwButton = button('THROW_BUTTON');
const chromium = process.env.CHROMIUM || '/usr/bin/chromium';

const lines = [];     // the game's standard output, a console message a line
const problems = [];  // page errors, console errors, failed requests
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const step = (text) => console.log('-- ' + text);

class Failure extends Error {}
function fail(text) { throw new Failure(text); }

const count = (text) => lines.filter((line) => line.includes(text)).length;
let gamePage = null;   // the page, once the game runs in it
let endExpected = false;
async function until(what, check, seconds = 60) {
  const end = Date.now() + seconds * 1000;
  for (;;) {
    if (problems.length) fail('page problem while waiting for ' + what + ': ' + problems[0]);
    if (gamePage && !endExpected && (await gamePage.evaluate(() => (typeof Module == 'undefined' ? null : Module.exitStatus))) !== null) {
      const page = await gamePage.$eval('#ended', (e) => e.innerText);
      fail('the game ended while waiting for ' + what + '; the page says:\n' + page);
    }
    if (await check()) return;
    if (Date.now() > end) fail('waited in vain for ' + what);
    await sleep(100);
  }
}
const waitLine = (text, times = 1) => until('log line "' + text + '"' + (times > 1 ? ' (' + times + ')' : ''),
                                            () => count(text) >= times);

async function main() {
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    args: ['--no-sandbox', '--mute-audio', '--disable-gpu'],
  });
  try {
    const page = await browser.newPage();
    // A window a little taller than the canvas: the page shows it at its own size, 1:1.
    await page.setViewport({ width: 600, height: 660 });
    page.on('console', (message) => {
      if (message.type() === 'log') lines.push(message.text());
      else if (message.type() === 'error') problems.push('console error: ' + message.text());
    });
    page.on('pageerror', (error) => problems.push('page error: ' + error.message));
    page.on('requestfailed', (request) => problems.push('request failed: ' + request.url()));
    page.on('response', (response) => {
      if (response.status() >= 400) problems.push('HTTP ' + response.status() + ': ' + response.url());
    });
    await page.goto(url);
    gamePage = page;
    try {
      await play(page);
    } catch (error) {
      await shot(page, 'failure').catch(() => {});
      throw error;
    }
  } finally {
    fs.writeFileSync(path.join(out, 'log.txt'), lines.join('\n') + '\n');
    await browser.close();
  }
}

// Game pixels to page pixels: the canvas may be scaled.
async function toPage(page, x, y) {
  const box = await page.$eval('#canvas', (canvas) => {
    const r = canvas.getBoundingClientRect();
    return { left: r.left, top: r.top, scale: r.width / canvas.width };
  });
  return [box.left + (x + 0.5) * box.scale, box.top + (y + 0.5) * box.scale];
}
async function move(page, x, y) {
  const [px, py] = await toPage(page, x, y);
  await page.mouse.move(px, py);
}
async function click(page, x, y) {
  await move(page, x, y);
  await page.mouse.down();
  await sleep(60);
  await page.mouse.up();
  await sleep(60);
}
const clickButton = (page, b) => click(page, b[0] + Math.floor(b[2] / 2), b[1] + Math.floor(b[3] / 2));
async function keys(page, ...names) {
  for (const name of names) {
    await page.keyboard.press(name, { delay: 40 });
    await sleep(120);
  }
}
// Types a name as a person does: capitals with Shift held, which the game reads as a modifier.
async function type(page, text) {
  for (const c of text) {
    const upper = c >= 'A' && c <= 'Z';
    if (upper) await page.keyboard.down('Shift');
    await page.keyboard.press('Key' + c.toUpperCase(), { delay: 30 });
    if (upper) await page.keyboard.up('Shift');
    await sleep(60);
  }
}
// The canvas as a PNG, exactly as drawn.
async function shot(page, name) {
  const data = await page.$eval('#canvas', (canvas) => canvas.toDataURL('image/png'));
  fs.writeFileSync(path.join(out, name + '.png'), Buffer.from(data.split(',')[1], 'base64'));
}
// Pixels of the message panel in its text's colour: none while a die rolls.
const panelText = (page) => page.$eval('#canvas', (canvas) => {
  const d = canvas.getContext('2d').getImageData(20, 520, 470, 60).data;
  let n = 0;
  for (let i = 0; i < d.length; i += 4) if (d[i] === 0x41 && d[i + 1] === 0x46 && d[i + 2] === 0xEB) ++n;
  return n;
});
// The die's picture, as a short digest: it changes face after face while the die rolls.
const dieFace = (page) => page.$eval('#canvas', (canvas) => {
  const d = canvas.getContext('2d').getImageData(500, 520, 60, 60).data;
  let h = 0;
  for (let i = 0; i < d.length; ++i) h = (h * 31 + d[i]) | 0;
  return String(h);
});
// The panel's first word, as a digest: the name of the player whose turn it is.
const panelName = (page) => page.$eval('#canvas', (canvas) => {
  const d = canvas.getContext('2d').getImageData(28, 528, 60, 22).data;
  let h = 0;
  for (let i = 0; i < d.length; ++i) h = (h * 31 + d[i]) | 0;
  return String(h);
});
const audioFrames = (page) => page.evaluate(() => (Module.webAudio ? Module.webAudio.samples : 0));

async function play(page) {
  step('intro');
  await waitLine('PushState(11cIntroState)');
  await sleep(1500);
  step('main menu');
  await keys(page, 'Escape');
  await waitLine('ChangeState(8MainMenu)');
  await sleep(1500);
  step('options');
  await keys(page, 'ArrowDown', 'Enter');       // "Options"
  await keys(page, 'Enter');                    // full screen
  await waitLine('ToggleFullScreen()', 1);
  await sleep(500);
  await keys(page, 'Enter');                    // and back
  await waitLine('ToggleFullScreen()', 2);
  await sleep(500);
  await keys(page, 'ArrowDown', 'Enter');       // music off
  await keys(page, 'Enter');                    // music on
  await keys(page, 'ArrowDown', 'ArrowDown', 'Enter');  // "Back"
  await sleep(300);

  step('setup');
  await keys(page, 'Enter');                    // "New Game"
  await waitLine('ChangeState(11PlayerSetup)');
  await sleep(1500);                            // the opening reveal is over
  // The seats' corners: green top left, red top right, blue bottom right, yellow bottom left;
  // a seat's name box right of its label, its control boxes ("Human", "Computer") 24 px apart.
  const names = [[10, 10], [375, 10], [375, 562], [10, 562]];
  const lists = [[10, 43], [375, 43], [375, 505], [10, 505]];
  const nameBox = (seat) => click(page, names[seat][0] + 90, names[seat][1] + 8);
  const tick = (seat, control) => click(page, lists[seat][0] + 121, lists[seat][1] + 9 + 24 * control);
  const human = 0, computer = 1;
  // What the screens' own test types, for its golden picture.
  await type(page, 'lost');                     // no box has the keyboard yet
  await nameBox(0); await type(page, 'Gale'); await tick(0, human);
  await nameBox(1); await type(page, 'Abcdefghijklmnopqr');  // longer than a box takes
  await keys(page, 'Backspace');
  await nameBox(2); await type(page, 'Br'); await tick(2, computer);
  await clickButton(page, startButton);         // refused: a name too short
  await nameBox(2); await type(page, 'yn'); await tick(2, computer);  // unticked again
  await nameBox(3); await type(page, 'Yara'); await tick(3, human);
  await nameBox(3); await tick(3, computer);
  await move(page, 590, 590);
  await sleep(300);
  await shot(page, 'setup');
  if (count('ChangeState(12cGameSession)')) fail('the game started with a name too short');
  // Then two seats: Gale (human) and Rowan (computer).
  await nameBox(1);
  for (let i = 0; i < 20; ++i) await page.keyboard.press('Backspace', { delay: 20 });
  await type(page, 'Rowan'); await tick(1, computer);
  await tick(3, computer);                      // Yara's seat left empty
  await clickButton(page, startButton);
  await waitLine('ChangeState(12cGameSession)');

  step('game');
  // Gale's turn first: the panel asks for a throw once the opening is over; the pointer rests
  // just below the throw button, as in the screens' own test.
  await move(page, throwButton[0] + Math.floor(throwButton[2] / 2), throwButton[1] + throwButton[3]);
  await until('the panel asking for a throw', async () => (await panelText(page)) > 20, 20);
  await sleep(500);
  await shot(page, 'game');
  const gale = await panelName(page);
  // Three throws of Gale's, each clicking every yard spot and the start square after it: a six
  // lets a piece out, the throw after it moves that piece on. Where a piece stands after that is
  // left to chance, so three throws never wait for a click anywhere else.
  const yard = [[156, 80], [124, 112], [188, 112], [156, 144], [108, 224]];
  for (let turn = 0; turn < 3; ++turn) {
    await until("Gale's turn", async () => (await panelText(page)) > 20 && (await panelName(page)) === gale, 60);
    // The button answers once the game is ready for the throw: click until the die rolls.
    await until('a die rolling', async () => {
      const faces = new Set([await dieFace(page)]);
      await clickButton(page, throwButton);
      await sleep(100);
      for (let i = 0; i < 15 && faces.size < 3; ++i) faces.add(await dieFace(page));
      if (faces.size >= 3) return true;
      for (const [x, y] of yard) await click(page, x, y);  // a piece still to choose
      return false;
    }, 20);
    let last = '', stable = 0;
    await until('the die to stop', async () => {
      const face = await dieFace(page);
      stable = face === last ? stable + 1 : 0;
      last = face;
      return stable >= 8;
    }, 10);
    for (const [x, y] of yard) await click(page, x, y);
    await sleep(300);
  }

  step('in-game menu');
  await move(page, 590, 590);
  await keys(page, 'Escape');
  await waitLine('PushState(10InGameMenu)');
  await keys(page, 'ArrowDown', 'Enter');       // "Resume Game"
  await waitLine('PopState()');
  await keys(page, 'Escape');
  await waitLine('PushState(10InGameMenu)', 2);
  await keys(page, 'Enter');                    // "Abort Game"
  await waitLine('ChangeState(8MainMenu)', 2);
  await sleep(500);

  const heard = await audioFrames(page);
  console.log('audio frames with sound: ' + heard);
  if (heard < 44100) fail('the music was not heard: ' + heard + ' frames with sound');

  step('exit');
  endExpected = true;
  await keys(page, 'ArrowUp', 'Enter');         // "Exit"
  await until('the game to end', () => page.evaluate(() => Module.exitStatus !== null), 30);
  const status = await page.evaluate(() => Module.exitStatus);
  if (status !== 0) fail('exit status ' + status);
  const ended = await page.$eval('#ended', (e) => e.innerText);
  if (!ended.includes('The game has ended') || !ended.includes('Mix_Chunk   : 0')) {
    fail('the page does not say the game has ended with its last lines: ' + ended);
  }
  await sleep(300);
  if (problems.length) fail(problems[0]);

  // The log as the native game writes it, in order.
  const expected = [
    'SDL_Engine Initialized', 'SDL_Engine: SDL Version: 1.2.15', 'SDL_Engine: Starting MainLoop()',
    '---SDL_Engine::PushState(11cIntroState)', '---SDL_Engine::ChangeState(8MainMenu)',
    '---SDL_Engine::ToggleFullScreen()', '---SDL_Engine::ToggleFullScreen()',
    '---SDL_Engine::ChangeState(11PlayerSetup)', '---SDL_Engine::ChangeState(12cGameSession)',
    '---SDL_Engine::PushState(10InGameMenu)', '---SDL_Engine::PopState()',
    '---SDL_Engine::PushState(10InGameMenu)', '---SDL_Engine::ChangeState(8MainMenu)',
    'SDL_Engine: Exiting MainLoop()', 'SDL_Engine: Shutting down SDL_Engine',
    'SDL_Engine::Resource Leaked:', 'SDL_Surface : 0', 'TTF_Font    : 0', 'Mix_Music   : 0',
    'Mix_Chunk   : 0',
  ];
  let at = 0;
  for (const text of expected) {
    const found = lines.findIndex((line, i) => i >= at && line === text);
    if (found < 0) fail('log line missing or out of order: "' + text + '"');
    at = found + 1;
  }
  console.log('the log holds the ' + expected.length + ' expected lines in order');
}

main().then(() => console.log('1 passed, 0 failed'), (error) => {
  console.error('FAIL: ' + (error instanceof Failure ? error.message : error.stack));
  console.error('last log lines:\n  ' + lines.slice(-8).join('\n  '));
  process.exit(1);
});
