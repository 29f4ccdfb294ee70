// One small driver interface over the three engines the page is tested in, so that one table of
// cases runs in each: Chromium and Firefox ESR through puppeteer-core (CDP and WebDriver BiDi),
// WebKitGTK through its own WebDriver (plain W3C WebDriver over HTTP). All from Debian; nothing
// here downloads a browser.
//   goto(url), evaluate(fn, ...args), click(selector), type(text), press(...keys),
//   viewport(width, height, {mobile, scale}), emulate({features, fontSize}) (Chromium only; false
//   elsewhere), screenshot(path), png() (the viewport as a PNG, in device pixels), errors() (null
//   where it cannot read the console), close()
// Keys are named as in KeyboardEvent.key ('Tab', 'Enter', ' ', 'ArrowDown'), with 'Shift+' in
// front for a chord.
import puppeteer from 'puppeteer-core';
import {spawn} from 'node:child_process';
import {mkdtempSync, mkdirSync, writeFileSync} from 'node:fs';
import {writeFile} from 'node:fs/promises';
import {createServer} from 'node:net';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

// Debian's Chromium as root, headless, with nothing that reaches for the network on its own.
// Nor does it build the address bar's popup: each new window (every browser context gets one)
// otherwise loads that popup's page in a renderer of its own, about 100 ms of a processor's
// time just as the page under test loads beside it.
export const chromiumOptions = {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
        '--disable-component-update', '--no-first-run', '--disable-sync',
        '--disable-features=WebUIOmniboxPopup,WebUIOmniboxAimPopup'],
};
export {puppeteer};

export async function openEngine(engine) {
    if (engine === 'chromium' || engine === 'firefox') return openPuppeteer(engine);
    if (engine === 'webkit') return openWebKit();
    throw new Error(`unknown engine ${engine}`);
}

async function openPuppeteer(engine) {
    const browser = await puppeteer.launch(engine === 'chromium' ? chromiumOptions :
        {browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true});
    const page = await browser.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error.message || error)));
    page.on('console', (message) => {
        if (message.type() === 'error') errors.push(message.text());
    });
    const keyboard = page.keyboard;
    let cdp = null; // kept open: Chromium drops a session's emulation when it detaches
    return {
        engine,
        goto: (url) => page.goto(url, {waitUntil: 'load'}),
        evaluate: (fn, ...args) => page.evaluate(fn, ...args),
        click: (selector) => page.click(selector),
        type: (text) => keyboard.type(text),
        async press(...keys) {
            for (const key of keys) {
                const [modifier, name] = key.includes('+') && key.length > 1 ?
                    key.split('+') : [null, key];
                if (modifier) await keyboard.down(modifier);
                await keyboard.press(name);
                if (modifier) await keyboard.up(modifier);
            }
        },
        // A phone (mobile) is emulated as one where the engine can: its viewport meta counts,
        // and it has touch. `scale` is the device pixels to a CSS pixel.
        async viewport(width, height, {mobile = false, scale = 1} = {}) {
            const device = engine === 'chromium' ?
                {deviceScaleFactor: scale, isMobile: mobile, hasTouch: mobile} : {};
            try {
                await page.setViewport({width, height, ...device});
            } catch (error) {
                // Firefox ESR 140 knows no screen-orientation override, which puppeteer sends
                // beside the viewport; the viewport itself is set.
                if (!String(error.message).includes('setScreenOrientationOverride')) throw error;
            }
        },
        // Media features (forced-colors, prefers-color-scheme) and the default text size, for the
        // pages opened next; Chromium only.
        async emulate({features = [], fontSize = 16} = {}) {
            if (engine !== 'chromium') return false;
            cdp = cdp || await page.createCDPSession();
            await cdp.send('Emulation.setEmulatedMedia', {features});
            await cdp.send('Page.setFontSizes', {fontSizes: {standard: fontSize}});
            return true;
        },
        screenshot: (path) => page.screenshot({path}),
        png: async () => Buffer.from(await page.screenshot()),
        errors: () => errors,
        close: () => browser.close(),
    };
}

const webDriverKeys = {
    Tab: '\uE004', Enter: '\uE007', Escape: '\uE00C', Shift: '\uE008', ArrowLeft: '\uE012',
    ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015', Home: '\uE011', End: '\uE010',
};

function freePort() {
    return new Promise((resolve) => {
        const server = createServer().listen(0, '127.0.0.1', () => {
            const {port} = server.address();
            server.close(() => resolve(port));
        });
    });
}

async function openWebKit() {
    // MiniBrowser's toolbar keeps its window wide; a private GTK style lets it shrink to a
    // phone's width.
    const config = mkdtempSync(join(tmpdir(), 'zelvanu-webkit-'));
    mkdirSync(join(config, 'gtk-3.0'));
    writeFileSync(join(config, 'gtk-3.0', 'gtk.css'),
        '* { font-size: 1px; padding: 0; margin: 0; min-width: 0; min-height: 0; }\n');
    const port = await freePort();
    const driver = spawn('WebKitWebDriver', [`--port=${port}`],
        {stdio: 'ignore', env: {...process.env, XDG_CONFIG_HOME: config}});
    const base = `http://127.0.0.1:${port}`;
    async function call(method, path, body) {
        for (let attempt = 0; ; ++attempt) {
            try {
                const response = await fetch(base + path, {
                    method, headers: {'Content-Type': 'application/json'},
                    body: body === undefined ? undefined : JSON.stringify(body),
                });
                const reply = await response.json();
                if (reply.value && reply.value.error)
                    throw new Error(`${path}: ${reply.value.error}: ${reply.value.message}`);
                return reply.value;
            } catch (error) {
                if (attempt > 50 || !String(error.cause || '').includes('ECONNREFUSED'))
                    throw error;
                await new Promise((resolve) => setTimeout(resolve, 100));
            }
        }
    }
    const {sessionId} = await call('POST', '/session', {capabilities: {alwaysMatch: {
        'webkitgtk:browserOptions': {args: ['--automation']},
    }}});
    const session = (path) => `/session/${sessionId}${path}`;
    const run = (fn, args) => call('POST', session('/execute/sync'),
        {script: `return (${fn}).apply(null, arguments);`, args});
    const keyActions = (actions) => call('POST', session('/actions'),
        {actions: [{type: 'key', id: 'keyboard', actions}]});
    return {
        engine: 'webkit',
        goto: (url) => call('POST', session('/url'), {url}),
        evaluate: (fn, ...args) => run(fn.toString(), args),
        async click(selector) {
            const element = await call('POST', session('/element'),
                {using: 'css selector', value: selector});
            await call('POST', session(`/element/${Object.values(element)[0]}/click`), {});
        },
        type: (text) => keyActions([...text].flatMap((c) => [
            {type: 'keyDown', value: c}, {type: 'keyUp', value: c}])),
        async press(...keys) {
            for (const key of keys) {
                const parts = key.length > 1 ? key.split('+') : [key];
                const codes = parts.map((part) => webDriverKeys[part] || part);
                await keyActions([...codes.map((value) => ({type: 'keyDown', value})),
                    ...codes.reverse().map((value) => ({type: 'keyUp', value}))]);
            }
        },
        async viewport(width, height) {
            // No phone emulation here: only the size. The window is set so that its viewport comes out at the size asked for.
            const chrome = await run('() => [outerWidth - innerWidth, outerHeight - innerHeight]', []);
            await call('POST', session('/window/rect'),
                {width: width + chrome[0], height: height + chrome[1]});
        },
        emulate: async () => false,
        png: async () => Buffer.from(await call('GET', session('/screenshot')), 'base64'),
        async screenshot(path) {
            await writeFile(path, await this.png());
        },
        errors: () => null, // WebDriver does not read the console
        async close() {
            await call('DELETE', session('')).catch(() => {});
            driver.kill();
        },
    };
}
