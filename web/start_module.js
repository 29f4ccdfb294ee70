// Put into zelvanu.js ahead of emscripten's start-up code (--pre-js), where it can reach the
// WebAssembly the file carries (emscripten's getBinary and wasmBinaryFile): compiles and starts
// it before createZelvanu returns, so that the page can calculate before its first paint. A
// browser may refuse to compile a module of this size on the page's thread (Chromium before 114
// throws a RangeError for any over 4 KB); there it compiles in the background, and the promise
// createZelvanu returns is fulfilled once it has started, or rejected if it cannot start.
Module['instantiateWasm'] = (imports, started) => {
    const binary = getBinary(wasmBinaryFile);
    try {
        started(new WebAssembly.Instance(new WebAssembly.Module(binary), imports));
    } catch (refused) {
        if (refused instanceof RangeError)
            WebAssembly.instantiate(binary, imports).then((result) => started(result.instance), abort);
        else
            abort(refused); // rejects `ready`: the page says the module cannot start
    }
    return {}; // the exports are read from the module once it has started
};
