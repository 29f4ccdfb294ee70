// The page in a real browser engine, driven as a user would: keys and clicks, read back from
// the DOM. One table of cases, run once per engine:
//   ZELVANU_VERSION=VERSION node page_test.mjs chromium|firefox|webkit SITE_DIR [SCREENSHOT_DIR]
// (the version the build was given; CTest and scripts/package-web pass it).
// WebKitGTK needs an X display (CTest gives it one of its own: scripts/lib/with-xvfb).
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {cpSync, mkdirSync, mkdtempSync, readFileSync, writeFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {serve} from '../../scripts/lib/serve-site.mjs';
import {openEngine} from './drivers.mjs';
import {decodePng} from './png.mjs';

const [engine, built, shots = null] = process.argv.slice(2);
const version = process.env.ZELVANU_VERSION;
assert.ok(version, 'ZELVANU_VERSION is not set: the version the page must say');
const here = dirname(fileURLToPath(import.meta.url));
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core'), 'utf8');
// The page is served from a copy, two folders down as a school's server might put it, so that
// a case can deploy a changed build over it.
const site = mkdtempSync(join(tmpdir(), 'zelvanu-site-'));
cpSync(built, site, {recursive: true});
const folder = '/zelvanu/app/';

// The design's rectangles in twips within the client area, 6480 × 2850: the window as drawn.
const design = {
    Text5: [120, 600, 615, 375], Text3: [1080, 120, 495, 495], Text1: [1080, 840, 495, 495],
    Label3: [1920, 480, 255, 495], Text6: [2280, 600, 615, 375], Text4: [3120, 120, 495, 495],
    Text2: [3120, 840, 495, 495], Label4: [3960, 480, 255, 495], Label5: [4320, 480, 255, 375],
    Label6: [4680, 600, 615, 375], Label2: [5520, 120, 735, 375], Label1: [5520, 960, 735, 375],
    Command3: [720, 1800, 975, 615], Command2: [2760, 1800, 975, 615],
    Command1: [4680, 1800, 1095, 615],
    Line1: [840, 720, 960], Line2: [3000, 720, 720], Line3: [5400, 720, 960],
};
const tabOrder = ['Text5', 'Text3', 'Text1', 'Text6', 'Text4', 'Text2', 'Command3', 'Command2',
    'Command1'];
// The sum as it is written on paper, a row each: the first number; "+" and the second; "=" and
// the answer; the buttons.
const writtenRows = [['Text5', 'Text3', 'Text1', 'Line1'],
    ['Label3', 'Text6', 'Text4', 'Text2', 'Line2'],
    ['Label4', 'Label5', 'Label6', 'Label2', 'Label1', 'Line3'], ['Command3', 'Command2', 'Command1']];

// In the page: what the user sees of the result, the message dialog and the focus. `lines` are
// the dialog text's rendered lines, by their tops.
function state() {
    const text = (id) => document.getElementById(id).textContent;
    const dialog = document.getElementById('message');
    const described = document.getElementById(dialog.getAttribute('aria-describedby'));
    const range = document.createRange();
    range.selectNodeContents(described);
    return {
        lines: new Set([...range.getClientRects()].map((r) => Math.round(r.top))).size,
        result: ['Label5', 'Label6', 'Label2', 'Label1'].map(text).join('|'),
        answer: text('answer'),
        dialog: dialog.open ? document.getElementById(dialog.getAttribute('aria-labelledby'))
            .textContent : null,
        message: dialog.open ? described.textContent : null,
        icon: dialog.open ? dialog.dataset.icon : null,
        modal: dialog.matches(':modal'),
        focus: document.activeElement && document.activeElement.id,
    };
}


// Phones (emulated as phones where the engine can), tablets and a desktop: name, CSS size, phone,
// device pixels to a CSS pixel.
const devices = [
    ['phone', 390, 844, true, 3], ['small-phone', 360, 640, true, 2],
    ['phone-sideways', 844, 390, true, 3], ['tablet', 768, 1024, true, 2],
    ['tablet-sideways', 1024, 768, true, 2], ['desktop', 1366, 768, false, 1],
];
// Light everywhere; dark and forced colours where the engine can emulate them.
const dark = {name: 'prefers-color-scheme', value: 'dark'};
const forced = {name: 'forced-colors', value: 'active'};
const schemes = [['light', []], ['dark', [dark]], ['forced', [forced]], ['forced-dark', [forced, dark]]];

// In the page: the pairs of colours that a person must tell apart and that contrast too little
// (text 4.5 : 1; bars, borders and the focus ring 3 : 1, the ring at least 2 px thick), for the
// focused control too. `drawn` are the bars as a screenshot shows them: for each, the face's
// pixel beside it and the pixels of a few columns across it, of which each column must hold ink.
function contrasts(drawn = []) {
    const rgb = (color) => color.match(/[\d.]+/g).slice(0, 3).map(Number);
    const luminance = (color) => {
        const [r, g, b] = rgb(color).map((v) => {
            const c = v / 255;
            return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
        });
        return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const ratio = (a, b) => {
        const [hi, lo] = [luminance(a), luminance(b)].sort((x, y) => y - x);
        return (hi + 0.05) / (lo + 0.05);
    };
    const style = (el) => getComputedStyle(el);
    const face = style(document.getElementById('Form1')).backgroundColor;
    const low = [];
    const need = (what, a, b, least) => {
        const r = ratio(a, b);
        if (r < least) low.push(`${what} ${r.toFixed(2)}`);
    };
    for (const el of document.querySelectorAll('.client input, .client button')) {
        need(`${el.id} text`, style(el).color, style(el).backgroundColor, 4.5);
        need(`${el.id} border`, style(el).borderTopColor, face, 3);
    }
    for (const el of document.querySelectorAll('.label'))
        if (el.textContent) need(`${el.id} text`, style(el).color, face, 4.5);
    for (const el of document.querySelectorAll('.bar'))
        need(`${el.id}`, style(el).borderTopColor, face, 3);
    for (const [id, beside, columns] of drawn) {
        const faint = Math.min(...columns.map((pixels) =>
            Math.max(...pixels.map((pixel) => ratio(pixel, beside)))));
        if (faint < 3) low.push(`${id} as drawn ${faint.toFixed(2)}`);
    }
    const bar = style(document.getElementById('menubar')).backgroundColor;
    for (const el of document.querySelectorAll('#menubar [aria-haspopup]'))
        need(`${el.id} text`, style(el).color, bar, 4.5);
    // (A window without the system's focus, as under a bare X server, shows no focus at all.)
    const focused = document.activeElement;
    const ring = style(focused);
    if (!document.hasFocus()) return low;
    if (ring.outlineStyle === 'none' || parseFloat(ring.outlineWidth) < 2)
        low.push(`${focused.id} focus ring ${ring.outlineStyle} ${ring.outlineWidth}`);
    need(`${focused.id} focus ring`, ring.outlineColor, face, 3);
    return low;
}

// Runs axe-core in the page and names each violation with the elements it found. The source is
// the function's body: the page's CSP allows no eval.
const axeCheck = new Function(`${axeSource}
    return axe.run(document, {resultTypes: ['violations']}).then((result) => result.violations
        .map((v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', ')));`);

// In the page: the rules and declarations of the style sheet's text that the engine did not
// keep (a typo in a property or value, or a value the engine does not know). A property the
// engine does not know at all (forced-color-adjust in WebKit) passes here; the other engines
// check it, and a misspelt one is known to none.
function droppedDeclarations(name, text) {
    const sheet = [...document.styleSheets].find((s) => s.href && s.href.endsWith(`/${name}`));
    if (!sheet) return [`${name} is not loaded`];
    let at = 0;
    const source = text.replace(/\/\*[\s\S]*?\*\//g, '');
    // The rules of a block, from the text: [prelude, declarations or rules].
    function block() {
        const rules = [];
        for (;;) {
            const open = source.indexOf('{', at), close = source.indexOf('}', at);
            if (open < 0 || (close >= 0 && close < open)) {
                at = close < 0 ? source.length : close + 1;
                return rules;
            }
            const prelude = source.slice(at, open).trim();
            at = open + 1;
            if (prelude.startsWith('@')) {
                rules.push([prelude, block()]);
            } else {
                const end = source.indexOf('}', at);
                rules.push([prelude, source.slice(at, end).split(';').map((d) => d.trim())
                    .filter(Boolean).map((d) => d.slice(0, d.indexOf(':')).trim())]);
                at = end + 1;
            }
        }
    }
    const dropped = [];
    function compare(written, kept, where) {
        if (written.length !== kept.length)
            dropped.push(`${where}: ${written.length} rules written, ${kept.length} kept`);
        written.forEach(([prelude, inside], i) => {
            const rule = kept[i];
            if (!rule) return;
            if (rule.cssRules && !rule.style) compare(inside, [...rule.cssRules], prelude);
            else for (const property of inside)
                if (!rule.style.getPropertyValue(property) && CSS.supports(property, 'inherit'))
                    dropped.push(`${prelude} { ${property} }`);
        });
    }
    compare(block(), [...sheet.cssRules], name);
    return dropped;
}

// The bars as drawn: each bar's pixels in a screenshot, three columns across it from a pixel
// above to one below, and the face's pixel 3 px above it (contrasts() judges them).
async function drawnBars() {
    const [viewport, bars] = await d.evaluate(() => [innerWidth,
        [...document.querySelectorAll('.bar')].map((bar) => {
            const r = bar.getBoundingClientRect();
            return [bar.id, r.x, r.y, r.width, r.height];
        })]);
    const shot = decodePng(await d.png());
    const scale = shot.width / viewport;
    return bars.map(([id, x, y, width, height]) => {
        const column = (left) => {
            const pixels = [];
            const [first, last] = [Math.floor((y - 1) * scale), Math.ceil((y + height + 1) * scale)];
            for (let row = first; row <= last; ++row) pixels.push(shot.at(Math.round(left * scale), row));
            return pixels;
        };
        return [id, shot.at(Math.round((x + width / 2) * scale), Math.round((y - 3) * scale)),
            [0.25, 0.5, 0.75].map((share) => column(x + share * width))];
    });
}

// Runs `check` at each of the devices, in each colour scheme the engine can emulate, then puts
// the engine back to light at 800 × 600.
async function acrossSchemes(chosen, check) {
    for (const [scheme, features] of schemes) {
        if (features.length && !await d.emulate({features})) continue;
        for (const [name, width, height, mobile, scale] of chosen) {
            await d.viewport(width, height, {mobile, scale});
            await check(`${scheme} ${name}`);
        }
    }
    await d.emulate();
    await d.viewport(800, 600);
}

const controlled = () => Boolean(navigator.serviceWorker && navigator.serviceWorker.controller);

let server;
let url;
let d; // the engine's driver

async function waitFor(fn, what, ...args) {
    for (let i = 0; i < 100; ++i) {
        // A navigation under way may take the page away from one look.
        if (await d.evaluate(fn, ...args).catch(() => false)) return;
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
    throw new Error(`timed out waiting for ${what}`);
}

// A fresh window, ready: the first box has the focus once a calculation can run.
async function open(fragment = '') {
    if (fragment) await d.goto('about:blank'); // not just a change of the fragment
    await d.goto(url + fragment);
    await waitFor(() => document.activeElement && document.activeElement.id === 'Text5',
        'the focus in Text5');
}

// Types into the boxes in Tab order from Text5: [whole, numerator, denominator] × 2.
async function typeOperands(...texts) {
    await d.evaluate(() => document.getElementById('Text5').focus());
    for (const [i, text] of texts.entries()) {
        if (i > 0) await d.press('Tab');
        if (text) await d.type(text);
    }
}

// In the page: the working's lines, each as drawn (fractions as n/d, as the form tests write
// them) and as a screen reader gets it (what is not hidden from it).
function workingLines() {
    return [...document.querySelectorAll('#PicWorking li')].map((line) => {
        const drawn = line.cloneNode(true).querySelector('[aria-hidden="true"]');
        for (const f of drawn.querySelectorAll('.fraction'))
            f.replaceWith(` ${f.firstChild.textContent}/${f.lastChild.textContent}`);
        return [[...drawn.children].map((part) => part.textContent.replace(/^(\(?-?) /, '$1').trim())
            .join(' '), line.querySelector('.unseen').textContent];
    });
}

// A browser tab usually may not be closed by its page; one opened for automation may. Make
// this one refuse, counting the tries, as a tab the user opened would.
async function refuseClose() {
    await d.evaluate(() => {
        window.closeTries = 0;
        window.close = () => { ++window.closeTries; };
    });
}

// The page as a browser that lacks something meets it: `prelude` runs before the page's scripts
// (a copy of index.html that loads it first).
async function openAfter(prelude) {
    writeFileSync(join(site, 'prelude.js'), `(${prelude})();\n`);
    writeFileSync(join(site, 'prelude.html'), readFileSync(join(site, 'index.html'), 'utf8')
        .replace('<script', '<script src="prelude.js"></script>\n<script'));
    await d.goto(`${url}prelude.html`);
}

async function calculate(...texts) {
    await typeOperands(...texts);
    await d.click('#Command1');
    return d.evaluate(state);
}

const cases = [
    ['every control sits at its design place, as a fraction of the window', async () => {
        await open();
        const rects = await d.evaluate((ids) => {
            const client = document.querySelector('#Form1 .client').getBoundingClientRect();
            return Object.fromEntries(ids.map((id) => {
                const r = document.getElementById(id).getBoundingClientRect();
                return [id, [(r.left - client.left) / client.width,
                    (r.top - client.top) / client.height, r.width / client.width,
                    r.height / client.height]];
            }));
        }, Object.keys(design));
        for (const [id, [left, top, width, height]] of Object.entries(design)) {
            const want = height === undefined ? [left / 6480, top / 2850, width / 6480] :
                [left / 6480, top / 2850, width / 6480, height / 2850];
            want.forEach((w, i) => assert.ok(Math.abs(rects[id][i] - w) < 0.004,
                `${id}[${i}] is ${rects[id][i]}, designed ${w}`));
        }
    }],
    ['on every device the window fits unscrolled; on a phone every target is large, and held ' +
        'upright the sum reads downwards', async () => {
        // The targets shown that are under 44 px: boxes, buttons, menu titles and menu items, OK.
        const small = () => d.evaluate(() => [...document.querySelectorAll(
            '.client input, .client button, [role^="menuitem"], #message-ok')]
            .filter((c) => c.getClientRects().length).map((c) => [c.id, c.getBoundingClientRect()])
            .filter(([, b]) => b.width < 44 || b.height < 44).map(([id]) => id));
        for (const [name, width, height, mobile, scale] of devices) {
            await d.viewport(width, height, {mobile, scale});
            await open();
            await d.evaluate(() => { document.getElementById('Text5').value = '-32768'; });
            const fit = await d.evaluate(() => {
                const r = document.getElementById('Form1').getBoundingClientRect();
                const root = document.documentElement;
                return {inside: r.left >= -0.5 && r.top >= -0.5 && r.right <= innerWidth + 0.5 &&
                    r.bottom <= innerHeight + 0.5, scrolls: root.scrollWidth > root.clientWidth ||
                    root.scrollHeight > root.clientHeight, width: innerWidth,
                    font: parseFloat(getComputedStyle(document.getElementById('Text3')).fontSize)};
            });
            assert.ok(fit.inside && !fit.scrolls, `${name}: ${JSON.stringify(fit)}`);
            if (shots) await d.screenshot(join(shots, `${engine}-${name}.png`));
            if (width < height) {
                // Each row below the one before it, the numbers' right edges in line.
                const rows = await d.evaluate((written) => written.map((ids) => {
                    const boxes = ids.map((id) => document.getElementById(id).getBoundingClientRect());
                    return [Math.min(...boxes.map((b) => b.top)),
                        Math.max(...boxes.map((b) => b.bottom)), Math.max(...boxes.map((b) => b.right))];
                }), writtenRows);
                rows.slice(1).forEach(([top], i) => assert.ok(top >= rows[i][1] - 0.5,
                    `${name}: row ${i + 1} of the sum starts above the end of row ${i}: ${rows}`));
                rows.slice(1, 3).forEach(([, , right], i) => assert.ok(
                    Math.abs(right - rows[0][2]) < 1,
                    `${name}: row ${i + 1} of the sum ends at ${right}, the first at ${rows[0][2]}`));
            }
            if (mobile && width < height) {
                const under = await small();
                for (const menu of ['#MewnFile', '#MenView', '#MenHelp']) {
                    await d.click(menu);
                    under.push(...await small());
                    await d.press('Escape');
                }
                await d.click('#Command1');
                under.push(...await small());
                await d.press('Enter');
                assert.deepEqual(under, [], `${name}: targets under 44 px`);
                assert.ok(fit.font >= 16, `${name}: the boxes' text is ${fit.font} px`);
            }
        }
        await d.viewport(800, 600);
    }],
    ['zoomed to 200 % or with the text size doubled the window grows; at 400 % it scrolls', async () => {
        // Zoom: the CSS viewport divided by the zoom, at that many device pixels a CSS pixel.
        const boxText = async (width, height, zoom, fontSize = 16) => {
            if (!await d.emulate({fontSize})) return null;
            await d.viewport(Math.round(width / zoom), Math.round(height / zoom), {scale: zoom});
            await open();
            return zoom * await d.evaluate(() =>
                parseFloat(getComputedStyle(document.getElementById('Text3')).fontSize));
        };
        for (const [width, height] of [[1366, 768], [1024, 768]]) {
            const normal = await boxText(width, height, 1);
            if (normal === null) return; // the engine cannot zoom from here
            for (const [how, grown] of [['200 %', await boxText(width, height, 2)],
                ['text size doubled', await boxText(width, height, 1, 32)]])
                assert.ok(grown >= 1.5 * normal, `${width}: ${how} ${grown} device px, ${normal}`);
            await boxText(width, height, 4);
            const reach = await d.evaluate(() => {
                const r = document.getElementById('Form1').getBoundingClientRect();
                const root = document.documentElement;
                return r.left + scrollX >= 0 && r.top + scrollY >= 0 &&
                    r.right + scrollX <= root.scrollWidth && r.bottom + scrollY <= root.scrollHeight;
            });
            assert.ok(reach, `${width} at 400 %: part of the window cannot be scrolled to`);
            assert.equal((await calculate('1', '1', '2', '', '2', '3')).result, '|2|1|6');
        }
        await d.emulate();
        await d.viewport(800, 600);
    }],
    ['in light, dark and forced colours, text, bars, borders and the focus stand out', async () => {
        await acrossSchemes([devices[0], devices[5]], async (setting) => {
            await open();
            await calculate('1', '1', '2', '', '2', '3');
            // The focus ring of a button reached by Tab, then of a box.
            await d.evaluate(() => document.getElementById('Text2').focus());
            await d.press('Tab');
            const low = await d.evaluate(contrasts, await drawnBars());
            await d.evaluate(() => document.getElementById('Text5').focus());
            low.push(...await d.evaluate(contrasts));
            assert.deepEqual(low, [], setting);
            if (shots) await d.screenshot(join(shots, `${engine}-${setting.replace(' ', '-')}.png`));
        });
    }],
    ['axe finds nothing: the window, an open menu, each dialog, at each size and scheme', async () => {
        const states = [['window', async () => {}],
            ['menu', () => d.click('#MenHelp')],
            ['message', () => d.click('#Command1')],
            ['version', async () => { await d.click('#MenHelp'); await d.click('#MenVer'); }],
            ['working', () => d.evaluate(() => { location.hash = 'working'; })
                .then(() => calculate('1', '1', '2', '', '2', '3'))]];
        await acrossSchemes([devices[0], devices[3], devices[5]], async (setting) => {
            for (const [state, show] of states) {
                await open();
                await show();
                assert.deepEqual(await d.evaluate(axeCheck), [], `${setting} ${state}`);
            }
        });
    }],
    ['the engine keeps every declaration and rule of the style sheets', async () => {
        await open();
        for (const sheet of ['layout.css', 'zelvanu.css']) {
            const text = readFileSync(join(site, sheet), 'utf8');
            const dropped = await d.evaluate(droppedDeclarations, sheet, text);
            assert.deepEqual(dropped, [], sheet);
        }
    }],
    ['Tab visits the boxes, then the buttons; Shift+Tab from Text5 reaches the menu bar', async () => {
        await open();
        // (Tab from the last button leaves the page for the browser's own controls.)
        const visited = [await d.evaluate(() => document.activeElement.id)];
        while (visited.length < tabOrder.length) {
            await d.press('Tab');
            visited.push(await d.evaluate(() => document.activeElement.id));
        }
        assert.deepEqual(visited, tabOrder);
        await d.evaluate(() => document.getElementById('Text5').focus());
        await d.press('Shift+Tab');
        assert.equal((await d.evaluate(state)).focus, 'MewnFile');
    }],
    ['1 1/2 + 2/3 shows 2 1/6, each label speaks its value, the live region the answer', async () => {
        await open();
        const shown = await calculate('1', '1', '2', '', '2', '3');
        assert.equal(shown.result, '|2|1|6');
        assert.equal(shown.answer, '答え 2 と 6分の1');
        assert.deepEqual(await d.evaluate(() => ['aria-label', 'role'].map((name) =>
            document.getElementById('Label1').getAttribute(name))), ['答えの分母 6', 'note']);
        if (shots) await d.screenshot(join(shots, `${engine}-answer.png`));
    }],
    ['full-width digits and minus signs, as an input method types them, count', async () => {
        await open();
        assert.equal((await calculate('－１', '１', '２', '', '１', '３')).result, '-|1|1|6');
    }],
    ['each box opens the keyboard its numbers need: one with a minus sign for a whole part', async () => {
        await open();
        // (A phone's digits and decimal keypads lack a minus sign on an iPhone; the text keyboard
        // has one everywhere.)
        const keyboards = await d.evaluate(() => Object.fromEntries(
            [...document.querySelectorAll('input')].map((box) => [box.id,
                ['numeric', 'decimal'].includes(box.inputMode) ? 'digits' : box.inputMode || 'text'])));
        assert.deepEqual(keyboards, {Text5: 'text', Text3: 'digits', Text1: 'digits',
            Text6: 'text', Text4: 'digits', Text2: 'digits'});
    }],
    ['Enter and Escape in a box do nothing', async () => {
        await open();
        await typeOperands('', '1', '2');
        await d.press('Enter', 'Escape');
        const after = await d.evaluate(state);
        assert.deepEqual([after.result, after.dialog, after.focus], ['|||', null, 'Text1']);
        assert.equal(await d.evaluate(() => document.getElementById('Text1').value), '2');
    }],
    ['Enter and Space press the focused button', async () => {
        await open();
        await typeOperands('', '1', '2', '', '1', '3');
        await d.press('Tab', 'Tab', 'Tab', ' '); // 計算
        assert.equal((await d.evaluate(state)).result, '||5|6');
        await d.press('Shift+Tab', 'Enter'); // 消す
        const cleared = await d.evaluate(() => [...document.querySelectorAll('input')]
            .map((box) => box.value).join('') + document.getElementById('answer').textContent);
        assert.deepEqual([cleared, (await d.evaluate(state)).result], ['', '|||']);
    }],
    ['a message box is modal, named by its title, and gives the focus back when closed', async () => {
        for (const close of ['Enter', 'Escape', ' ', 'click']) {
            await open();
            await calculate('1', '1', '2', '', '2', '3');
            await d.evaluate(() => { document.getElementById('Text3').value = ''; });
            await d.evaluate(() => document.getElementById('Command1').focus());
            await d.press('Enter');
            const shown = await d.evaluate(state);
            assert.deepEqual([shown.dialog, shown.message, shown.icon, shown.modal, shown.focus,
                shown.result, shown.answer], ['エラーメッセージ', '数値を入れてください',
                'critical', true, 'message-ok', '|||', ''], close);
            if (close === 'click') await d.click('#message-ok');
            else await d.press(close);
            const after = await d.evaluate(state);
            assert.deepEqual([after.dialog, after.focus], [null, 'Command1'], close);
        }
    }],
    ['a denominator below 1 and an overflow each show their box; the result stays blank', async () => {
        for (const [operands, title, text] of [
            [['', '1', '0', '', '1', '2'], 'エラーメッセージ', '分母を１以上の整数にしてください。'],
            [['', '40000', '1', '', '1', '2'], 'Zelvanu', '実行時エラー \'6\':\n\nオーバーフローしました。'],
        ]) {
            await open();
            const shown = await calculate(...operands);
            assert.deepEqual([shown.dialog, shown.message, shown.result, shown.lines],
                [title, text, '|||', text.split('\n').length]);
            await d.press('Enter');
        }
    }],
    ['the menus work from the keyboard, and a command gives the focus back to the box', async () => {
        await open();
        const menus = () => d.evaluate(() => [document.activeElement.id,
            ...['MewnFile', 'MenHelp'].map((m) => !document.getElementById(`${m}-items`).hidden)]);
        await d.press('Shift+Tab', 'ArrowLeft', 'ArrowDown');
        assert.deepEqual(await menus(), ['MenVer', false, true]);
        await d.press('Escape');
        assert.deepEqual(await menus(), ['MenHelp', false, false]);
        await d.press('ArrowRight');
        assert.deepEqual(await menus(), ['MewnFile', false, false]);
        await d.press('ArrowLeft', 'Enter', 'Enter');
        const shown = await d.evaluate(state);
        assert.deepEqual([shown.dialog, shown.message.split('\n')[0], shown.icon, shown.lines],
            ['バージョン情報', `Zelvanuver${version}`, 'information', 2]);
        await d.press('Escape');
        assert.equal((await d.evaluate(state)).focus, 'Text5');
    }],
    ['the menus work with the mouse; 終了 in the file menu ends the program', async () => {
        await open();
        await d.click('#Text3');
        await d.click('#MenHelp');
        await d.click('#MenVer');
        assert.equal((await d.evaluate(state)).dialog, 'バージョン情報');
        if (shots) await d.screenshot(join(shots, `${engine}-version.png`));
        await d.click('#message-ok');
        assert.equal((await d.evaluate(state)).focus, 'Text3');
        const fileOpen = () => d.evaluate(() => !document.getElementById('MewnFile-items').hidden);
        await d.click('#MewnFile');
        assert.equal(await fileOpen(), true);
        await d.click('#Label4');
        assert.equal(await fileOpen(), false, 'a click elsewhere closes the menu');
        await d.click('#MewnFile');
        await refuseClose();
        await d.click('#MenEnd');
        assert.deepEqual(await d.evaluate(() => [window.closeTries,
            document.getElementById('Form1').hidden]), [1, true]);
    }],
    ['the working shows each worked example\'s lines, drawn and heard; 消す empties it', async () => {
        const examples = [ // operands as typed, the lines as drawn and, where given, as heard
            [['1', '1', '2', '', '2', '3'], ['1 1/2 + 2/3', '= 3/2 + 2/3 仮分数に直す',
                '= 9/6 + 4/6 通分する', '= 13/6 分子をたす', '= 2 1/6 帯分数に直す'],
            ['1 と 2分の1 たす 3分の2', '仮分数に直す 2分の3 たす 3分の2', '通分する 6分の9 たす 6分の4',
                '分子をたす 6分の13', '帯分数に直す 2 と 6分の1']],
            [['', '1', '6', '', '1', '3'], ['1/6 + 1/3', '= 1/6 + 2/6 通分する', '= 3/6 分子をたす', '= 1/2 約分する']],
            [['1', '1', '4', '1', '1', '4'], ['1 1/4 + 1 1/4', '= 5/4 + 5/4 仮分数に直す', '= 10/4 分子をたす',
                '= 2 2/4 帯分数に直す', '= 2 1/2 約分する']],
            [['-2', '1', '3', '', '1', '2'], ['-2 1/3 + 1/2', '= -7/3 + 1/2 仮分数に直す',
                '= -14/6 + 3/6 通分する', '= -11/6 分子をたす', '= -1 5/6 帯分数に直す']],
            [['-', '1', '2', '-', '1', '2'], ['-1/2 + (-1/2)', '= -2/2 分子をたす', '= -1 整数に直す']],
            [['', '1', '2', '-', '1', '2'], ['1/2 + (-1/2)', '= 0/2 分子をたす', '= 0 整数に直す'],
                ['2分の1 たす マイナス 2分の1', '分子をたす 2分の0', '整数に直す 0']],
            [['', '1', '0', '', '1', '2'], []], // a message box of the input checks: no lines
            [['', '1', '200', '', '1', '200'], ['1/200 + 1/200', '200 × 200 = 40000 > 32767 オーバーフロー 通分する'],
                ['200分の1 たす 200分の1', '通分する 200 かける 200 は 40000、32767 より大きいので オーバーフロー']],
        ];
        await open('#working'); // the address shows the working from the start
        assert.ok(await d.evaluate(() => document.getElementById('PicWorking').offsetHeight > 0));
        for (const [operands, drawn, spoken] of examples) {
            await d.click('#Command2');
            if ((await calculate(...operands)).dialog) await d.press('Enter');
            const lines = await d.evaluate(workingLines);
            assert.deepEqual(lines.map(([line]) => line), drawn, operands.join(' '));
            // As heard: the texts given, or at least a text for every line.
            assert.deepEqual(lines.map(([, heard]) => heard), spoken || lines.map(([, h]) => h || '?'));
        }
        await d.click('#Command2');
        assert.deepEqual(await d.evaluate(workingLines), []);
        await d.evaluate(() => { location.hash = 'elsewhere'; }); // hides it
        await waitFor(() => document.getElementById('PicWorking').offsetHeight === 0, 'no working');
    }],
    ['表示 > 途中の式 grows the window below the buttons and back, every control in its place', async () => {
        const look = () => d.evaluate(() => { // rectangles from the window's top left corner
            const form = document.getElementById('Form1').getBoundingClientRect();
            const rect = (el) => { const r = el.getBoundingClientRect();
                return [r.left - form.left, r.top - form.top, r.width, r.height].map(Math.round); };
            const figure = document.querySelector('.working .fraction span');
            return {checked: document.getElementById('MenWorking').getAttribute('aria-checked'),
                area: rect(document.getElementById('PicWorking')), height: Math.round(form.height),
                controls: [...document.querySelectorAll('.client > :not(ol)')].map(rect),
                small: figure && parseFloat(getComputedStyle(figure).fontSize) <
                    parseFloat(getComputedStyle(document.getElementById('Text3')).fontSize)};
        });
        for (const [name, width, height, mobile, scale] of [devices[0], devices[5]]) {
            await d.viewport(width, height, {mobile, scale});
            await open();
            await calculate('1', '1', '2', '', '2', '3');
            const off = await look();
            await d.click('#MenView');
            await d.click('#MenWorking');
            const on = await look();
            // Below the buttons, as far from the window's bottom as from its left edge.
            const [left, top, , high] = on.area;
            assert.deepEqual([off.checked, off.area[3], on.checked, on.small, on.controls,
                top >= Math.max(...off.controls.map(([, t, , h]) => t + h)) &&
                Math.abs(on.height - top - high - left) <= 1],
            ['false', 0, 'true', false, off.controls, true], name);
            // From the keyboard: the menu bar's first title, Right to 表示, Down to its item, Space.
            await d.evaluate(() => document.getElementById('Text5').focus());
            await d.press('Shift+Tab', 'Home', 'ArrowRight', 'ArrowDown', ' ');
            assert.deepEqual(await look(), off, name);
        }
        await d.viewport(800, 600);
    }],
    ['the widest values show whole while typed and after, with room for the caret', async () => {
        // Where the platform's digits are wide too (here a serif face), the boxes' font is fitted.
        for (const fonts of [null, 'serif']) {
            await open();
            if (fonts) {
                await d.evaluate((f) => {
                    document.documentElement.style.setProperty('--box-fonts', f);
                    dispatchEvent(new Event('resize'));
                }, fonts);
            }
            for (const [id, widest] of [['Text5', '-32768'], ['Text6', '-32768'], ['Text3', '32767'],
                ['Text1', '32767'], ['Text4', '32767'], ['Text2', '32767']]) {
                await d.evaluate((box) => document.getElementById(box).focus(), id);
                await d.type(widest);
                // Scrolled or cut off, or the digits leave no pixel for the caret after them.
                const fits = () => [...document.querySelectorAll('input')].filter((box) => {
                    if (!box.value) return false;
                    const style = getComputedStyle(box);
                    const probe = document.createElement('canvas').getContext('2d');
                    probe.font = `${style.fontSize} ${style.fontFamily}`;
                    const room = box.clientWidth - parseFloat(style.paddingLeft) -
                        parseFloat(style.paddingRight);
                    return box.scrollLeft > 0 || box.scrollWidth > box.clientWidth ||
                        probe.measureText(box.value).width + 1 > room;
                }).map((box) => box.id);
                assert.deepEqual(await d.evaluate(fits), [], `typing ${id} in ${fonts}`);
                await d.press('Tab');
                assert.deepEqual(await d.evaluate(fits), [], `after ${id} in ${fonts}`);
            }
        }
    }],
    ['a pasted megabyte gives a box that closes, and no error', async () => {
        await open();
        await d.evaluate(() => {
            const box = document.getElementById('Text3');
            box.value = '9'.repeat(1 << 20);
            box.dispatchEvent(new Event('input', {bubbles: true}));
        });
        await typeOperands('', '', '2', '', '1', '2');
        await d.click('#Command1');
        const shown = await d.evaluate(state);
        assert.deepEqual([shown.dialog, shown.result], ['Zelvanu', '|||']);
        await d.press('Enter');
        assert.equal((await d.evaluate(state)).dialog, null);
    }],
    ['終了 ends the program; the notice starts it again', async () => {
        await open();
        await refuseClose();
        await d.click('#Command3');
        assert.deepEqual(await d.evaluate(() => [window.closeTries,
            document.getElementById('Form1').hidden, document.getElementById('ended').hidden,
            document.activeElement.id]), [1, true, false, 'restart']);
        if (shots) await d.screenshot(join(shots, `${engine}-ended.png`));
        await d.press('Enter');
        await waitFor(() => document.activeElement && document.activeElement.id === 'Text5' &&
            !document.getElementById('Form1').hidden, 'the window again');
    }],
    ['where the page\'s thread may not compile the module, it starts in the background', async () => {
        // As Chromium before 114 refuses any module over 4 KB.
        await openAfter(() => {
            const compile = WebAssembly.Module;
            window.refused = 0;
            WebAssembly.Module = function Module(bytes, ...rest) {
                if (bytes.byteLength <= 4096) return new compile(bytes, ...rest);
                ++window.refused;
                throw new RangeError('WebAssembly.Compile is disallowed on the main thread, ' +
                    'if the buffer size is larger than 4KB.');
            };
        });
        await waitFor(() => document.activeElement && document.activeElement.id === 'Text5',
            'the focus in Text5');
        assert.equal((await calculate('1', '1', '2', '', '2', '3')).result, '|2|1|6');
        assert.ok(await d.evaluate(() => window.refused) > 0, 'the module was not refused');
    }],
    ['without WebAssembly, a notice that says so takes the window\'s place', async () => {
        await openAfter(() => { delete window.WebAssembly; });
        await waitFor(() => Boolean(document.getElementById('unstarted')), 'the notice');
        assert.deepEqual(await d.evaluate(() => [document.getElementById('Form1').hidden,
            /WebAssembly/.test(document.getElementById('unstarted').textContent)]), [true, true]);
        assert.deepEqual(await d.evaluate(axeCheck), []);
    }],
    ['the page links its manifest, whose addresses all stay in the page\'s folder', async () => {
        await open();
        const link = await d.evaluate(() => {
            const manifest = document.querySelector('link[rel=manifest]');
            return manifest && manifest.href;
        });
        assert.ok(link, 'no manifest link');
        const manifest = await (await fetch(link)).json();
        const addresses = [manifest.id, manifest.start_url, manifest.scope,
            ...manifest.icons.map((icon) => icon.src)].map((a) => new URL(a, link).href);
        for (const address of addresses) {
            assert.ok(address.startsWith(url), `${address} is outside ${url}`);
            assert.equal((await fetch(address)).status, 200, address);
        }
    }],
    ['a new build deployed over the old one reaches a returning visitor', async () => {
        await open();
        await waitFor(controlled, 'the service worker');
        const oldCaches = await d.evaluate(() => caches.keys());
        // A second build with one file changed, and its worker written as the build writes it.
        const sheet = join(site, 'zelvanu.css');
        writeFileSync(sheet, `${readFileSync(sheet, 'utf8')}/* deployed again */\n`);
        const kept = readFileSync(join(site, 'sw.js'), 'utf8').match(/const FILES = \[(.*)\];/)[1]
            .split(', ').map((f) => f.slice(1, -1)).filter((f) => f !== './');
        const web = join(here, '..', '..', 'web');
        execFileSync('cmake', [`-DSITE=${site}`, `-DFILES=${kept.join(';')}`,
            `-DTEMPLATE=${join(web, 'sw.js.in')}`, '-P', join(web, 'write_service_worker.cmake')]);
        await d.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
        await waitFor((old) => caches.keys().then((names) => names.length === 1 &&
            !old.includes(names[0])), 'only the new version kept', oldCaches);
        await open();
        assert.ok((await d.evaluate(() => fetch('zelvanu.css').then((r) => r.text())))
            .includes('deployed again'));
    }],
    ['a returning visitor\'s page is ready without waiting for a server that does not answer', async () => {
        await open();
        await waitFor(controlled, 'the service worker');
        server.holding = true;
        try {
            await Promise.race([open(), new Promise((resolve, reject) => setTimeout(
                () => reject(new Error('the page waited for the server')), 10000))]);
        } finally {
            server.holding = false;
        }
        assert.equal((await calculate('', '1', '2', '', '1', '3')).result, '||5|6');
    }],
    ['once visited, the page works offline', async () => {
        await open();
        await waitFor(() => Boolean(navigator.serviceWorker && navigator.serviceWorker.controller),
            'the service worker');
        const closed = new Promise((resolve) => server.close(resolve));
        server.closeAllConnections();
        await closed;
        await open();
        assert.equal((await calculate('', '1', '2', '', '1', '3')).result, '||5|6');
    }],
];

let failed = 0;
let chosen = [];
try {
    server = await serve(site, 0, folder);
    url = `http://127.0.0.1:${server.address().port}${folder}`;
    if (shots) mkdirSync(shots, {recursive: true});
    d = await openEngine(engine);
    await d.viewport(800, 600);
    // ZELVANU_CASE=regex runs only the cases whose names match.
    const only = new RegExp(process.env.ZELVANU_CASE || '');
    chosen = cases.filter(([name]) => only.test(name));
    for (const [name, run] of chosen) {
        try {
            await run();
            console.log(`ok: ${name}`);
        } catch (error) {
            ++failed;
            console.log(`FAILED: ${name}\n  ${String(error.stack || error).replace(/\n/g, '\n  ')}`);
        }
    }
    // The console, as one more check where the driver reads it: nothing went wrong unseen.
    const errors = (d.errors() || [])
        .filter((text) => !/service ?worker|Failed to load resource/i.test(text));
    if (d.errors()) chosen.push(['the console shows no errors']);
    if (errors.length) {
        ++failed;
        console.log(`FAILED: the console shows errors\n  ${errors.join('\n  ')}`);
    }
} finally {
    if (d) await d.close();
    server.closeAllConnections();
    server.close();
}
console.log(`${engine}: ${chosen.length - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
