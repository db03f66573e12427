// The game's module starts the page once the WebAssembly runs.
Module['onRuntimeInitialized'] = function () { tessaroRuntimeReady(); };
