// The page in Debian's Chromium, headless, drawing WebGL 2 with SwiftShader: it loads cleanly,
// its first frames are the native golden images, and the pointer, the keys, typed text, the
// clipboard, HiDPI and resizing work as in the native programs. Judged by screenshots.
// Run from this folder: node --test (TRELLIS_WEB_DIR: the built page, default build-web/).
import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {dirname, join} from 'node:path';
import test from 'node:test';
import {fileURLToPath} from 'node:url';
import puppeteer from 'puppeteer-core';

import {servePage} from '../serve.mjs';
import {decodePng} from './png.mjs';

const kRoot = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const kPageDir = process.env.TRELLIS_WEB_DIR || join(kRoot, 'build-web');
const kGoldens = join(kRoot, 'tests', 'golden');
const kWidth = 1024, kHeight = 768;  // the canvas, as the native window
const kBar = 32;                     // the page's bar above the canvas, in CSS pixels

// How far the page may be from the native golden images (Mesa's llvmpipe). Measured with
// Chromium 156 at 1024 x 768. The gallery on SwiftShader differs from its golden image in 7,440
// of 786,432 pixels: 7,417 by one level of 255 in a channel and 23 by more (up to 185: the ends
// of the slider thumbs' bevel lines and the corners of check boxes, which the rasterisers end
// differently). The demo differs in 3,149 pixels: 2,975 by one level, 173 by two to five (the
// debug lines' small text, which the two filter differently) and one by 26. Chromium on
// llvmpipe (ANGLE on EGL) differs from the golden images by one level in about 1,180 pixels
// (and in the gallery in 6 pixels by more); from Chromium on SwiftShader in 7,167 and 2,697.
const kLevels = 6;     // every pixel may differ by this much in each channel
const kOutliers = 80;  // and this many pixels (0.01%) by more

// The pixel at (x, y) of a decoded image, [r, g, b].
function pixel(image, x, y) {
  const at = (y * image.width + x) * 3;
  return [image.rgb[at], image.rgb[at + 1], image.rgb[at + 2]];
}

// The pixels of a and b (same size) that differ by more than kLevels, outside the boxes
// ([x0, y0, x1, y1], ends excluded) left out.
function outliers(a, b, leftOut = []) {
  assert.equal(a.width, b.width);
  assert.equal(a.height, b.height);
  const found = [];
  for (let y = 0; y < a.height; ++y)
    for (let x = 0; x < a.width; ++x) {
      if (leftOut.some(([x0, y0, x1, y1]) => x >= x0 && x < x1 && y >= y0 && y < y1))
        continue;
      const p = pixel(a, x, y), q = pixel(b, x, y);
      if (p.some((v, c) => Math.abs(v - q[c]) > kLevels))
        found.push([x, y]);
    }
  return found;
}

// How many pixels of the box [x0, y0, x1, y1) differ between a and b by more than kLevels.
function outliersIn(a, b, [x0, y0, x1, y1]) {
  return outliers(a, b).filter(([x, y]) => x >= x0 && x < x1 && y >= y0 && y < y1).length;
}

// A golden image.
function golden(name) {
  return decodePng(readFileSync(join(kGoldens, name + '.png')));
}

function expectLikeGolden(shot, name, leftOut = []) {
  const found = outliers(shot, golden(name), leftOut);
  assert.ok(found.length <= kOutliers,
            `${found.length} pixels differ from ${name}.png by more than ${kLevels} levels ` +
                `(at most ${kOutliers} may), first at ${found.slice(0, 5).join(' ')}`);
}

// How many pixels of the box [x0, y0, x1, y1) have the colour rgb (within kLevels).
function countColour(image, [x0, y0, x1, y1], rgb) {
  let count = 0;
  for (let y = y0; y < y1; ++y)
    for (let x = x0; x < x1; ++x)
      if (pixel(image, x, y).every((v, c) => Math.abs(v - rgb[c]) <= kLevels))
        ++count;
  return count;
}

// The skins' colours the checks look for (data/defaultSkin.xml).
const kCheck = [0x8c, 0xc8, 0xff], kFocus = [0xff, 0xbf, 0x00], kThumb = [0x85, 0x96, 0xb3];
const kTestButton = [0xe9, 0xa8, 0x4c];

// Places on the canvas, in pixels (data/gallery.xml and data/testDialogue.xml: 7.68 a unit).
const kSnapBox = [50, 146, 76, 170], kGridBox = [50, 115, 76, 139];
const kVolumeRow = 196, kVolumeTrack = [150, 434];
const kNameField = [150, 258, 434, 288], kNoteField = [150, 293, 434, 323];
const kSkinButton = [69, 92, 238, 123], kDebugLines = [729, 675, kWidth, kHeight];

class PageDriver {
  constructor(browser, address) {
    this.browser = browser;
    this.address = address;
    this.problems = [];
  }

  // Opens ?page=name at the given CSS size and pixel ratio, once its first frame is drawn.
  async open(name, scale = 1, width = kWidth, height = kHeight) {
    this.page = await this.browser.newPage();
    const page = this.page;
    // Errors, WebGL's complaints about calls it refused, and the interface's own warnings
    // (about its files, or characters it cannot draw).
    const problem = (text) => this.problems.push(`${name}: ${text}`);
    page.on('console', (m) => {
      const text = m.text();
      if (m.type() === 'error' || text.startsWith('WebGL: ') || text.includes(': warning: '))
        problem(text);
    });
    page.on('pageerror', (e) => problem(e.message));
    page.on('requestfailed', (r) => problem(`no ${r.url()}`));
    page.on('response', (r) => r.status() >= 400 && problem(`${r.status()} ${r.url()}`));
    await page.setViewport({width, height: height + kBar, deviceScaleFactor: scale});
    await page.goto(`${this.address}?page=${name}`);
    await page.waitForFunction(() => document.body.dataset.trellis);
    await this.frames();
    this.scale = scale;
  }

  // Waits until the canvas has shown two more frames.
  frames() {
    return this.page.evaluate(
        () => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
  }

  // The canvas's top-left width x height CSS pixels, in device pixels, as shown.
  async shot(width = kWidth, height = kHeight) {
    await this.frames();
    const data = await this.page.screenshot({clip: {x: 0, y: kBar, width, height}});
    return decodePng(Buffer.from(data));
  }

  async click(x, y) {
    await this.page.mouse.click(x, y + kBar);
    await this.frames();
  }

  async drag(fromX, toX, y) {
    const mouse = this.page.mouse;
    await mouse.move(fromX, y + kBar);
    await mouse.down();
    for (let step = 1; step <= 8; ++step)
      await mouse.move(fromX + (toX - fromX) * step / 8, y + kBar);
    await mouse.up();
    await this.frames();
  }

  // The text an element shows, as the interface holds it.
  textOf(name) {
    return this.page.evaluate(
        (n) => Module.ccall('trellisTextOf', 'string', ['string'], [n]), name);
  }
}

// The x of the middle of the slider thumb in a row of the canvas.
function thumbMiddle(image, row, [x0, x1]) {
  const xs = [];
  for (let x = x0; x < x1; ++x)
    if (countColour(image, [x, row, x + 1, row + 1], kThumb))
      xs.push(x);
  return xs.length ? (xs[0] + xs[xs.length - 1]) / 2 : -1;
}

test('the page in Chromium', async (t) => {
  const server = await servePage(kPageDir);
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless=new', '--no-sandbox', '--use-gl=swiftshader', '--enable-unsafe-swiftshader'],
  });
  const driver = new PageDriver(browser, `http://127.0.0.1:${server.address().port}/`);
  try {
    await driver.open('gallery');

    await t.test('the first frame of the gallery is its native golden image', async () => {
      expectLikeGolden(await driver.shot(), 'gallery-default');
    });

    await t.test('a larger canvas shows the interface at its size, at the top left', async () => {
      await driver.page.setViewport({width: 1200, height: 900 + kBar});
      await driver.frames();
      const size = await driver.page.evaluate(() => [canvas.width, canvas.height]);
      assert.deepEqual(size, [1200, 900]);
      expectLikeGolden(await driver.shot(), 'gallery-default');
      await driver.page.setViewport({width: kWidth, height: kHeight + kBar});
    });

    await t.test('a click toggles a check box', async () => {
      const before = await driver.shot();
      assert.equal(countColour(before, kSnapBox, kCheck), 0, 'unchecked at first');
      const checkMark = countColour(before, kGridBox, kCheck);
      assert.ok(checkMark > 10, 'the checked box beside it shows its mark');
      await driver.click(130, 157);
      const after = await driver.shot();
      const mark = countColour(after, kSnapBox, kCheck);
      assert.ok(Math.abs(mark - checkMark) <= checkMark / 4, `a check mark of ${mark} pixels`);
      await driver.click(130, 157);
      assert.equal(countColour(await driver.shot(), kSnapBox, kCheck), 0, 'unchecked again');
    });

    await t.test('dragging the thumb moves a slider', async () => {
      const from = thumbMiddle(await driver.shot(), kVolumeRow, kVolumeTrack);
      assert.ok(Math.abs(from - 264) <= 3, `the thumb starts at 40%, x ${from}`);
      await driver.drag(from, 400, kVolumeRow);
      const to = thumbMiddle(await driver.shot(), kVolumeRow, kVolumeTrack);
      assert.ok(Math.abs(to - 400) <= 3, `the thumb follows the pointer to x ${to}`);
    });

    await t.test('a text field takes "Größe" typed', async () => {
      const before = await driver.shot();
      await driver.click(300, 273);
      await driver.page.keyboard.down('Control');
      await driver.page.keyboard.press('KeyA');
      await driver.page.keyboard.up('Control');
      await driver.page.keyboard.type('Größe');
      await driver.frames();
      assert.equal(await driver.textOf('nameField'), 'Größe');
      const changed = outliersIn(await driver.shot(), before, kNameField);
      assert.ok(changed > 50, 'the field shows the new text');
    });

    await t.test('Tab moves the focus to the next field', async () => {
      const focusIn = async (box) => countColour(await driver.shot(), box, kFocus);
      assert.ok(await focusIn(kNameField) > 20, 'the clicked field has the focus frame');
      assert.equal(await focusIn(kNoteField), 0);
      await driver.page.keyboard.press('Tab');
      await driver.frames();
      assert.equal(await focusIn(kNameField), 0);
      assert.ok(await focusIn(kNoteField) > 20, 'the next field has it now');
      const focused = await driver.page.evaluate(() => document.activeElement.id);
      assert.equal(focused, 'keys', 'the page keeps the keys');
    });

    await t.test('the browser\'s paste and copy reach the focused field', async () => {
      const pasted = await driver.page.evaluate(() => {
        const keys = document.getElementById('keys');
        const data = new DataTransfer();
        data.setData('text/plain', 'Straße');
        keys.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data, cancelable: true}));
        return Module.ccall('trellisTextOf', 'string', ['string'], ['noteField']);
      });
      assert.ok(pasted.includes('Straße'), `the note field reads "${pasted}"`);
      await driver.page.evaluate(() => {
        window.copied = null;
        document.addEventListener('copy', (e) => {
          window.copied = e.clipboardData.getData('text/plain');
        });
      });
      await driver.page.keyboard.down('Control');
      await driver.page.keyboard.press('KeyA');
      await driver.page.keyboard.press('KeyC');
      await driver.page.keyboard.up('Control');
      assert.equal(await driver.page.evaluate(() => window.copied), pasted);
    });

    await t.test('a HiDPI canvas has device pixels, and clicks land', async () => {
      await driver.open('gallery', 2);
      const size = await driver.page.evaluate(() => [canvas.width, canvas.height]);
      assert.deepEqual(size, [2 * kWidth, 2 * kHeight]);
      const double = ([x0, y0, x1, y1]) => [2 * x0, 2 * y0, 2 * x1, 2 * y1];
      const before = await driver.shot();
      assert.equal(countColour(before, double(kSnapBox), kCheck), 0);
      await driver.click(130, 157);
      assert.ok(countColour(await driver.shot(), double(kSnapBox), kCheck) > 20,
                'a click at the same CSS pixels checks the box');
    });

    await t.test('the demo: a click on the skin button re-skins and relabels it', async () => {
      await driver.open('demo');
      expectLikeGolden(await driver.shot(), 'default');
      assert.equal(await driver.textOf('skinButton'), 'Change skin');
      await driver.click(153, 107);
      const after = await driver.shot();
      assert.equal(await driver.textOf('skinButton'), 'Pushover');
      // The rest is the test skin's golden image; the button's label and the debug lines
      // (which follow the pointer) are the click's own.
      expectLikeGolden(after, 'default-then-test', [kSkinButton, kDebugLines]);
      assert.ok(countColour(after, kSkinButton, kTestButton) > 3000, 'in the test skin');
      const label = outliersIn(after, golden('default-then-test'), kSkinButton);
      assert.ok(label > 50, 'with another label than "Change skin"');
    });

    await t.test('no console error or warning, refused WebGL call or failed request', () => {
      assert.deepEqual(driver.problems, []);
    });
  } finally {
    await browser.close();
    server.close();
  }
});
