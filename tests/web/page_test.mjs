// The page in a real browser engine, driven as a user would: keys and clicks, read back from
// the DOM. One table of cases, run once per engine:
//   node page_test.mjs chromium|firefox|webkit SITE_DIR [SCREENSHOT_DIR]
// WebKitGTK needs an X display (CTest runs it under xvfb-run).
import assert from 'node:assert/strict';
import {mkdirSync} from 'node:fs';
import {join} from 'node:path';
import {serve} from '../../scripts/lib/serve-site.mjs';
import {openEngine} from './drivers.mjs';

const [engine, site, shots = null] = process.argv.slice(2);

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
async function open() {
    await d.goto(url);
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

// A browser tab usually may not be closed by its page; one opened for automation may. Make
// this one refuse, counting the tries, as a tab the user opened would.
async function refuseClose() {
    await d.evaluate(() => {
        window.closeTries = 0;
        window.close = () => { ++window.closeTries; };
    });
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
    ['the window fits a phone, a tablet and a desktop without scrolling', async () => {
        for (const [name, width, height] of [['phone', 360, 640], ['tablet', 1024, 768],
            ['desktop', 1366, 768]]) {
            await d.viewport(width, height);
            await open();
            await d.evaluate(() => { document.getElementById('Text5').value = '-32768'; });
            const fit = await d.evaluate(() => {
                const r = document.getElementById('Form1').getBoundingClientRect();
                const root = document.documentElement;
                return {inside: r.left >= -0.5 && r.top >= -0.5 && r.right <= innerWidth + 0.5 &&
                    r.bottom <= innerHeight + 0.5, fills: Math.max(r.width / innerWidth,
                    r.height / innerHeight), scrolls: root.scrollWidth > root.clientWidth ||
                    root.scrollHeight > root.clientHeight, width: innerWidth};
            });
            assert.ok(fit.inside && !fit.scrolls, `${name}: ${JSON.stringify(fit)}`);
            assert.ok(fit.fills > 0.99, `${name}: the window fills ${fit.fills} of the viewport`);
            if (shots) await d.screenshot(join(shots, `${engine}-${name}.png`));
        }
        await d.viewport(800, 600);
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
        assert.equal(await d.evaluate(() => document.getElementById('Label1')
            .getAttribute('aria-label')), '答えの分母 6');
        if (shots) await d.screenshot(join(shots, `${engine}-answer.png`));
    }],
    ['full-width digits and minus signs, as an input method types them, count', async () => {
        await open();
        assert.equal((await calculate('－１', '１', '２', '', '１', '３')).result, '-|1|1|6');
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
        await d.press('Shift+Tab', 'ArrowRight', 'ArrowDown');
        assert.equal((await d.evaluate(state)).focus, 'MenVer');
        await d.press('Escape');
        assert.equal((await d.evaluate(state)).focus, 'MenHelp');
        await d.press('ArrowLeft', 'ArrowRight', 'Enter', 'Enter');
        const shown = await d.evaluate(state);
        assert.deepEqual([shown.dialog, shown.message.split('\n')[0], shown.icon, shown.lines],
            ['バージョン情報', 'Zelvanuver2.0.0', 'information', 2]);
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
        await d.click('#MewnFile');
        assert.equal(await d.evaluate(() => document.getElementById('MewnFile-items').hidden), false);
        await refuseClose();
        await d.click('#MenEnd');
        assert.deepEqual(await d.evaluate(() => [window.closeTries,
            document.getElementById('Form1').hidden]), [1, true]);
    }],
    ['the widest values show whole while typed and after', async () => {
        await open();
        for (const [id, widest] of [['Text5', '-32768'], ['Text6', '-32768'], ['Text3', '32767'],
            ['Text1', '32767'], ['Text4', '32767'], ['Text2', '32767']]) {
            await d.evaluate((box) => document.getElementById(box).focus(), id);
            await d.type(widest);
            const fits = () => [...document.querySelectorAll('input')].filter((box) =>
                box.value && (box.scrollLeft > 0 || box.scrollWidth > box.clientWidth))
                .map((box) => box.id);
            assert.deepEqual(await d.evaluate(fits), [], `typing ${id}`);
            await d.press('Tab');
            assert.deepEqual(await d.evaluate(fits), [], `after ${id}`);
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
    server = await serve(site);
    url = `http://127.0.0.1:${server.address().port}/`;
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
