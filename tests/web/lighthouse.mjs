// Lighthouse on the packaged page, served two folders down, in Debian's Chromium, with the
// mobile and the desktop preset: accessibility, best practices and SEO must score 100 and
// performance (noisy on a busy machine) at least 90 on the desktop; every score is printed.
//   node lighthouse.mjs SITE_DIR
import lighthouse from 'lighthouse';
import desktop from 'lighthouse/core/config/desktop-config.js';
import {serve} from '../../scripts/lib/serve-site.mjs';
import {chromiumOptions, puppeteer} from './drivers.mjs';

const [site] = process.argv.slice(2);
const folder = '/zelvanu/app/';
const server = await serve(site, 0, folder);
const url = `http://127.0.0.1:${server.address().port}${folder}`;
const browser = await puppeteer.launch(chromiumOptions);
let failed = 0;
try {
    for (const [preset, config] of [['mobile', undefined], ['desktop', desktop]]) {
        const page = await browser.newPage();
        const {lhr} = await lighthouse(url, {logLevel: 'error', output: 'json'}, config, page);
        await page.close();
        const scores = Object.fromEntries(Object.entries(lhr.categories)
            .map(([id, category]) => [id, Math.round(category.score * 100)]));
        console.log(`${preset}: ${JSON.stringify(scores)}`);
        const wanted = {accessibility: 100, 'best-practices': 100, seo: 100,
            ...(preset === 'desktop' ? {performance: 90} : {})};
        for (const [id, least] of Object.entries(wanted)) {
            if (scores[id] >= least) continue;
            ++failed;
            const missed = Object.values(lhr.audits).filter((a) => a.score !== null && a.score < 1 &&
                lhr.categories[id].auditRefs.some((r) => r.id === a.id && r.weight > 0));
            console.log(`FAILED: ${preset} ${id} ${scores[id]} < ${least}: ` +
                missed.map((a) => a.id).join(', '));
        }
    }
} finally {
    await browser.close();
    server.closeAllConnections();
    server.close();
}
console.log(`lighthouse: ${failed ? 'FAILED' : 'passed'}`);
process.exit(failed ? 1 : 0);
