// Lighthouse on a page in Debian's Chromium with its mobile and its desktop preset, for the
// release's check of the page (lighthouse.mjs) and the start-up benchmark (bench/startup_web.mjs).
import lighthouse from 'lighthouse';
import desktop from 'lighthouse/core/config/desktop-config.js';

export const presets = [['mobile', undefined], ['desktop', desktop]];

// The report of one run on a new page of the browser, of the given categories and audits only.
export async function runLighthouse(browser, url, config, onlyCategories, onlyAudits = []) {
    const page = await browser.newPage();
    try {
        const flags = {logLevel: 'error', output: 'json', onlyCategories, onlyAudits};
        return (await lighthouse(url, flags, config, page)).lhr;
    } finally {
        await page.close();
    }
}

// Each category's score out of 100.
export const scores = (lhr) => Object.fromEntries(Object.entries(lhr.categories)
    .map(([id, category]) => [id, Math.round(category.score * 100)]));
