// What the browser build costs a player's machine: Chromium (every process of it) on the
// animated main menu and on the still setup screen, as % of one core over SECONDS each.
// Usage: node cost.js <url> [SECONDS=8]
'use strict';
const fs = require('fs');
const puppeteer = require('puppeteer-core');

const [url, secondsArgument] = process.argv.slice(2);
const seconds = Number(secondsArgument || 8);
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The process and all its descendants, from /proc.
function tree(root) {
  const children = new Map();
  for (const name of fs.readdirSync('/proc')) {
    if (!/^\d+$/.test(name)) continue;
    try {
      const stat = fs.readFileSync('/proc/' + name + '/stat', 'utf8');
      const parent = Number(stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1]);
      if (!children.has(parent)) children.set(parent, []);
      children.get(parent).push(Number(name));
    } catch (error) { /* gone meanwhile */ }
  }
  const all = [root];
  for (let i = 0; i < all.length; ++i) all.push(...(children.get(all[i]) || []));
  return all;
}
// Run time of every thread of the processes, in nanoseconds.
function runTime(pids) {
  let sum = 0;
  for (const pid of pids) {
    try {
      for (const task of fs.readdirSync('/proc/' + pid + '/task')) {
        sum += Number(fs.readFileSync('/proc/' + pid + '/task/' + task + '/schedstat', 'utf8').split(' ')[0]);
      }
    } catch (error) { /* gone meanwhile */ }
  }
  return sum;
}
async function measure(browser, screen) {
  const pids = tree(browser.process().pid);
  const before = runTime(pids), start = process.hrtime.bigint();
  await sleep(seconds * 1000);
  const used = runTime(tree(browser.process().pid)) - before;
  const wall = Number(process.hrtime.bigint() - start);
  console.log(screen.padEnd(16) + (100 * used / wall).toFixed(2).padStart(8) + ' % of one core (browser)');
}

async function main() {
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--mute-audio'].concat((process.env.CHROMIUM_FLAGS || '').split(' ').filter(Boolean)),
  });
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 600, height: 660 });
    const lines = [];
    page.on('console', (message) => lines.push(message.text()));
    await page.goto(url);
    const waitLine = async (text) => { while (!lines.some((l) => l.includes(text))) await sleep(100); };
    await waitLine('PushState(11cIntroState)');
    await sleep(1000);
    await page.keyboard.press('Escape');
    await waitLine('ChangeState(8MainMenu)');
    await page.mouse.move(590, 590);
    await sleep(1500);
    await measure(browser, 'main_menu');
    await page.keyboard.press('Enter');
    await waitLine('ChangeState(11PlayerSetup)');
    await sleep(1500);
    await measure(browser, 'setup');
  } finally {
    await browser.close();
  }
}
main().catch((error) => { console.error(error); process.exit(1); });
