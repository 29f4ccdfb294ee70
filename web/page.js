// The page's side of the program: it hands every click on a button or menu item to the module
// by its design name, and the page's address (#working) at start and as it changes; runs the
// menu bar as a menu bar (arrow keys, Enter, Escape, the mouse), gives the first box the focus,
// and registers the service worker that keeps the page working offline. What a command does is the module's; the markup and styles are written from the
// window's description at build time.
'use strict';

(() => {
    const form = document.getElementById('Form1');
    const menubar = document.getElementById('menubar');
    const titles = [...menubar.querySelectorAll('[aria-haspopup]')];
    // The module is one file with its WebAssembly inside, compiled and started as createZelvanu
    // runs, and its promise fulfilled as this script ends: the page can calculate before its
    // first paint, with no wait for another download or a compilation in the background. Where
    // the browser compiles it in the background all the same (start_module.js), a click waits
    // for it; where it cannot start at all, a notice that says what the browser lacks takes the
    // window's place.
    let module = null;
    const waiting = []; // the calls made before it started: [entry, text]
    const call = (entry, text) => {
        if (module) module.ccall(entry, null, ['string'], [text]);
        else waiting.push([entry, text]);
    };
    const click = (name) => call('zelvanu_click', name);
    function cannotStart(lacking) {
        const notice = document.createElement('p');
        notice.id = 'unstarted';
        notice.setAttribute('role', 'alert');
        notice.textContent = `Zelvanu を開けません。${lacking}` +
            'WebAssembly が使える新しいブラウザーで開いてください。';
        form.hidden = true;
        form.after(notice);
    }
    if (typeof WebAssembly !== 'object') {
        cannotStart('このブラウザーには WebAssembly がないか、無効になっています。');
        return;
    }
    createZelvanu().then((started) => {
        module = started;
        performance.mark('zelvanu-ready'); // for bench/startup-web
        for (const [entry, text] of waiting.splice(0)) call(entry, text);
    }, () => cannotStart(
        'このブラウザーの WebAssembly は、使う機能（例外処理など）に対応していません。'));
    let beforeMenus = null; // the control that had the focus before the menus took it
    // The markup lists the controls in Tab order: the first box is the first input.
    const firstBox = () => form.querySelector('.client input');

    // The menu bar, after the ARIA menubar pattern: one Tab stop, Left and Right between the
    // titles, Down, Enter or Space to open, Escape to close.
    const entry = '[role=menuitem], [role=menuitemcheckbox]'; // a menu's items
    const itemsOf = (title) => document.getElementById(title.getAttribute('aria-controls'));
    const openTitle = () => titles.find((t) => t.getAttribute('aria-expanded') === 'true');

    function closeMenus() {
        for (const title of titles) {
            title.setAttribute('aria-expanded', 'false');
            itemsOf(title).hidden = true;
        }
    }

    function focusTitle(title) {
        for (const t of titles) t.tabIndex = t === title ? 0 : -1;
        title.focus();
    }

    function openMenu(title, last) {
        closeMenus();
        title.setAttribute('aria-expanded', 'true');
        const items = itemsOf(title);
        items.hidden = false;
        const entries = items.querySelectorAll(entry);
        for (const t of titles) t.tabIndex = t === title ? 0 : -1;
        entries[last ? entries.length - 1 : 0].focus();
    }

    function choose(item) {
        closeMenus();
        // The command runs where the user was, so that its box gives the focus back there.
        (beforeMenus && beforeMenus.isConnected ? beforeMenus : firstBox()).focus();
        click(item.id);
    }

    function step(title, by) {
        return titles[(titles.indexOf(title) + by + titles.length) % titles.length];
    }

    menubar.addEventListener('keydown', (event) => {
        const target = event.target;
        const title = titles.includes(target) ? target : openTitle();
        if (!title) return;
        const inMenu = !titles.includes(target);
        switch (event.key) {
        case 'ArrowRight':
        case 'ArrowLeft': {
            const next = step(title, event.key === 'ArrowRight' ? 1 : -1);
            if (inMenu) openMenu(next, false);
            else focusTitle(next);
            break;
        }
        case 'ArrowDown':
        case 'ArrowUp':
            if (inMenu) {
                const entries = [...itemsOf(title).querySelectorAll(entry)];
                const at = entries.indexOf(target) + (event.key === 'ArrowDown' ? 1 : -1);
                entries[(at + entries.length) % entries.length].focus();
            } else {
                openMenu(title, event.key === 'ArrowUp');
            }
            break;
        case 'Enter':
        case ' ':
            if (inMenu) choose(target);
            else openMenu(title, false);
            break;
        case 'Escape':
            if (!inMenu) return;
            closeMenus();
            focusTitle(title);
            break;
        case 'Home':
        case 'End':
            if (inMenu) return;
            focusTitle(titles[event.key === 'Home' ? 0 : titles.length - 1]);
            break;
        case 'Tab':
            closeMenus();
            return;
        default:
            return;
        }
        event.preventDefault();
    });

    menubar.addEventListener('click', (event) => {
        const title = titles.find((t) => t === event.target);
        if (title) {
            if (title.getAttribute('aria-expanded') === 'true') {
                closeMenus();
                focusTitle(title);
            } else {
                openMenu(title, false);
            }
            return;
        }
        const item = event.target.closest('[data-click]');
        if (item) choose(item);
    });
    // A click or the focus anywhere else closes an open menu.
    document.addEventListener('focusin', (event) => {
        if (menubar.contains(event.target)) return;
        closeMenus();
        if (form.contains(event.target)) beforeMenus = event.target;
    });
    document.addEventListener('pointerdown', (event) => {
        if (!menubar.contains(event.target)) closeMenus();
    });

    form.querySelector('.client').addEventListener('click', (event) => {
        const control = event.target.closest('[data-click]');
        if (control) click(control.id);
    });
    document.getElementById('restart').addEventListener('click', () => location.reload());
    // The address opens the window with the working shown (#working), now and when it changes.
    const address = () => call('zelvanu_address', location.hash.slice(1));
    address();
    addEventListener('hashchange', address);

    // The boxes' font shrinks where a platform's digits are wide, until each box's widest value
    // (-32768 in a whole-part box, 32767 in a fraction box) fits with the caret after it.
    // Everything else scales with the window, so the factor holds at every size; it is measured
    // again when the window changes, as borders of a whole pixel then weigh differently.
    const caret = 2;
    function fitBoxes() {
        const root = document.documentElement.style;
        root.removeProperty('--fit');
        const probe = document.createElement('canvas').getContext('2d');
        let fit = 1;
        for (const box of form.querySelectorAll('input[data-widest]')) {
            const style = getComputedStyle(box);
            probe.font = `${style.fontSize} ${style.fontFamily}`;
            const room = box.clientWidth - parseFloat(style.paddingLeft) -
                parseFloat(style.paddingRight) - caret;
            fit = Math.min(fit, room / probe.measureText(box.dataset.widest).width);
        }
        if (fit < 1) root.setProperty('--fit', (Math.floor(fit * 1000) / 1000).toString());
    }
    fitBoxes();
    addEventListener('resize', fitBoxes);

    // What can wait comes after the window's first paint (a frame's callback, then a task after
    // that frame), so that the first paint waits for none of it.
    const afterFirstPaint = (then) => requestAnimationFrame(() => setTimeout(then));
    // The first box takes the focus, unless the user has already put it somewhere.
    afterFirstPaint(() => {
        if (!document.activeElement || document.activeElement === document.body) firstBox().focus();
    });
    // Keeping the files for offline use starts once the page has loaded and been painted: the
    // service worker's start and its downloads would otherwise take the processor from the
    // first paint.
    if ('serviceWorker' in navigator) {
        addEventListener('load', () => afterFirstPaint(() =>
            navigator.serviceWorker.register('sw.js').catch(() => {})));
    }
})();
