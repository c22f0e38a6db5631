// The engine's embind module as the pane uses it, for type-checking the pane's JavaScript
// (the real engine.js is emscripten's output and is not checked).
export default function createEngine(): Promise<any>;
