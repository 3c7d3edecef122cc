// Put before the emscripten glue (--extern-pre-js): V8's compile hint below
// has the browser compile every function of the glue while it downloads,
// where it would compile each at its first call on the page's cold load.
//# allFunctionsCalledOnLoad
