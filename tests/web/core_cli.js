// The WebAssembly core read as zemra6-text reads its standard input: one
// action a line, one JSON screen a line, the first screen before any action.
// Usage: node core_cli.js MODULE SEED [--new-run] [--save FILE] < actions
// (--save: the sitting starts from that save.dat, as in a folder that holds it),
// or node core_cli.js MODULE SEED --battles N: the battle benchmark's line
// for the seed, as zemra6-battlebench prints it, and the time it took.
'use strict';
const path = require('path');
const readline = require('readline');

async function main() {
  const [modulePath, seed, ...rest] = process.argv.slice(2);
  const Zemra6Core = require(path.resolve(modulePath));
  const core = await Zemra6Core();
  const battles = rest.indexOf('--battles');
  if (battles >= 0) {
    const start = process.hrtime.bigint();
    const line = core.battleBench(seed, Number(rest[battles + 1]));
    const ms = Number(process.hrtime.bigint() - start) / 1e6;
    console.log(`seed ${seed}: ${line}`);
    console.error(`${ms.toFixed(0)} ms`);
    return;
  }
  const save = rest.indexOf('--save');
  if (save >= 0) {
    core.FS.mkdirTree('/save');
    core.FS.writeFile('/save/save.dat', require('fs').readFileSync(rest[save + 1]));
  }
  console.log(core.start(seed, rest.includes('--new-run'), false));
  const lines = readline.createInterface({ input: process.stdin, crlfDelay: Infinity });
  for await (let line of lines) {
    if (core.finished()) break;
    if (line.endsWith('\r')) line = line.slice(0, -1);
    if (line === '') continue;
    console.log(core.perform(line));
  }
}

main().catch((error) => {
  console.error(`core_cli: ${error}`);
  process.exit(1);
});
