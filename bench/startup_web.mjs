// Start-up of the page in headless Chromium against a floor page with the same elements as plain
// HTML (no script, module or manifest), measured side by side, fresh loads with no cache, the
// two alternating. The page counts from navigation to the moment a calculation can run and the
// window is painted (the module's ready mark and first contentful paint); the floor from
// navigation to its controls being present and painted (DOMContentLoaded and first contentful
// paint). Then one calculation in the page, on average, and Lighthouse's performance score with
// its mobile and its desktop preset: timings all, which depend on how busy the machine is, so
// figures to compare here and never a test's pass or fail. Run through bench/startup-web.
import {join} from 'node:path';
import {chromiumOptions, puppeteer} from '../tests/web/drivers.mjs';
import {serve} from '../scripts/lib/serve-site.mjs';
import {presets, runLighthouse, scores} from '../tests/web/lighthouse_run.mjs';

const [site, floor, runs = '15'] = process.argv.slice(2);
const servers = [await serve(site), await serve(floor)];
const [pageUrl, floorUrl] = servers.map((s) => `http://127.0.0.1:${s.address().port}/`);
const browser = await puppeteer.launch(chromiumOptions);

// One fresh load in a new, empty profile context; milliseconds from navigation start.
async function load(url, ready) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setCacheEnabled(false);
    await page.goto(url, {waitUntil: 'load'});
    await page.waitForFunction(ready, {polling: 10});
    const ms = await page.evaluate((isPage) => {
        const paint = performance.getEntriesByName('first-contentful-paint')[0].startTime;
        const nav = performance.getEntriesByType('navigation')[0];
        const present = isPage ? performance.getEntriesByName('zelvanu-ready')[0].startTime :
            nav.domContentLoadedEventEnd;
        return Math.max(paint, present);
    }, url === pageUrl);
    await context.close();
    return ms;
}
const pageReady = () => performance.getEntriesByName('zelvanu-ready').length > 0 &&
    performance.getEntriesByName('first-contentful-paint').length > 0;
const floorReady = () => performance.getEntriesByName('first-contentful-paint').length > 0;

// One calculation in the page, from the click on 計算 to the answer in the labels, averaged.
async function calculation() {
    const page = await browser.newPage();
    await page.goto(pageUrl, {waitUntil: 'load'});
    await page.waitForFunction(pageReady, {polling: 10});
    const ms = await page.evaluate(() => {
        const values = {Text5: '-1', Text3: '2', Text1: '3', Text6: '4', Text4: '5', Text2: '7'};
        for (const [id, value] of Object.entries(values)) document.getElementById(id).value = value;
        const button = document.getElementById('Command1');
        const count = 2000;
        const start = performance.now();
        for (let i = 0; i < count; ++i) button.click();
        return (performance.now() - start) / count;
    });
    await page.close();
    return ms;
}

const times = {page: [], floor: []};
await load(pageUrl, pageReady); // the browser's own first-start costs, on neither side
await load(floorUrl + 'floor.html', floorReady);
// Each round starts with the other one, so that neither is always the load after the other's.
for (let i = 0; i < Number(runs); ++i) {
    const page = async () => times.page.push(await load(pageUrl, pageReady));
    const floorPage = async () => times.floor.push(await load(floorUrl + 'floor.html', floorReady));
    for (const one of i % 2 ? [floorPage, page] : [page, floorPage]) await one();
}
const perCalculation = await calculation();
const lighthouseScores = [];
for (const [preset, config] of presets) {
    const lhr = await runLighthouse(browser, pageUrl, config, ['performance']);
    lighthouseScores.push(`${preset} ${scores(lhr).performance}`);
}
await browser.close();
servers.forEach((s) => { s.closeAllConnections(); s.close(); });

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const line = (name, xs) => console.log(`${name.padEnd(6)} min ${Math.min(...xs).toFixed(1)} ms` +
    `  median ${median(xs).toFixed(1)} ms  max ${Math.max(...xs).toFixed(1)} ms`);
console.log(`${runs} fresh loads each, alternating, in ${join(site)}:`);
line('page', times.page);
line('floor', times.floor);
console.log(`one calculation in the page: ${(perCalculation * 1000).toFixed(1)} µs`);
console.log(`Lighthouse performance: ${lighthouseScores.join(', ')}`);
console.log(`ratio of medians ${(median(times.page) / median(times.floor)).toFixed(2)}` +
    ` (min ${(Math.min(...times.page) / Math.min(...times.floor)).toFixed(2)})`);
