// Lighthouse on the packaged page, served two folders down, in Debian's Chromium, with the
// mobile and the desktop preset: accessibility, best practices and SEO must score 100, and the
// page must load at most BYTES bytes in at most REQUESTS requests; Chromium must find it
// installable. Nothing here depends on how busy the machine is: the performance scores, which
// do, are the start-up benchmark's (bench/startup-web). Every score and figure is printed.
//   node lighthouse.mjs SITE_DIR
import {serve} from '../../scripts/lib/serve-site.mjs';
import {chromiumOptions, puppeteer} from './drivers.mjs';
import {presets, runLighthouse, scores} from './lighthouse_run.mjs';

const BYTES = 300 * 1024;
const REQUESTS = 10;

const [site] = process.argv.slice(2);
const folder = '/zelvanu/app/';
const server = await serve(site, 0, folder);
const url = `http://127.0.0.1:${server.address().port}${folder}`;
const browser = await puppeteer.launch(chromiumOptions);
const failures = [];
try {
    for (const [preset, config] of presets) {
        const lhr = await runLighthouse(browser, url, config,
            ['accessibility', 'best-practices', 'seo'], ['total-byte-weight', 'network-requests']);
        const bytes = lhr.audits['total-byte-weight'].numericValue;
        const requests = lhr.audits['network-requests'].details.items.length;
        console.log(`${preset}: ${JSON.stringify(scores(lhr))}, ${bytes} bytes in ${requests} requests`);
        for (const [id, score] of Object.entries(scores(lhr))) {
            if (score >= 100) continue;
            const missed = Object.values(lhr.audits).filter((a) => a.score !== null && a.score < 1 &&
                lhr.categories[id].auditRefs.some((r) => r.id === a.id && r.weight > 0));
            failures.push(`${preset} ${id} ${score} < 100: ${missed.map((a) => a.id).join(', ')}`);
        }
        if (bytes > BYTES) failures.push(`${preset}: ${bytes} bytes, over ${BYTES}`);
        if (requests > REQUESTS) failures.push(`${preset}: ${requests} requests, over ${REQUESTS}`);
    }
    // Installable, as Chromium itself judges it (Lighthouse 12 no longer does).
    const page = await browser.newPage();
    await page.goto(url, {waitUntil: 'load'});
    const {installabilityErrors} = await (await page.createCDPSession())
        .send('Page.getInstallabilityErrors');
    console.log(`installable: ${installabilityErrors.length ? 'no' : 'yes'}`);
    for (const error of installabilityErrors) failures.push(`not installable: ${error.errorId}`);
} finally {
    await browser.close();
    server.closeAllConnections();
    server.close();
}
for (const failure of failures) console.log(`FAILED: ${failure}`);
console.log(`lighthouse: ${failures.length ? 'FAILED' : 'passed'}`);
process.exit(failures.length ? 1 : 0);
